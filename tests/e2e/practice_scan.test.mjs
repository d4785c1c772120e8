// The practice tool's forum scan in the real program, against a local forum whose question
// sub-forums hold nine topics (five PS, one DS, two SC, one CR). A person opens Practice, starts the
// scan and sees the key read "Stop" while the pages come in; when every sub-forum has run out of
// older topics the key reads "Start" again, the counter shows the nine questions harvested, and the
// questions are counted in the work set. After a restart the harvest is still there.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import path from 'node:path';
import {
    artifacts, openProgram, settled, startProgram, tapSettled, tapToolButton, useBrowser, waitShown,
} from './support.mjs';
import { scanForumRoutes, start as startServices } from './fake_services.mjs';

const program = process.env.ORVAKIT;
const browser = useBrowser({ viewport: { width: 900, height: 1150 } });

let forum;
before(async () => {
    assert.ok(program, 'ORVAKIT names the program');
    forum = await startServices({ routes: scanForumRoutes(path.join(process.env.ORVA_SOURCE, 'tests', 'fixtures')) });
});
after(() => forum?.stop());

// The number shown beside a caption of the dashboard ("Questions in all sets"): the counter label
// nearest above it.
async function countAbove(page, caption) {
    return page.evaluate((c) => {
        const items = window.shownTextItems('.', true);
        const label = items.find((i) => i.text === c);
        const numbers = items.filter((i) => /^\d+$/.test(i.text) && i.y < label.y && label.y - i.y < 60);
        numbers.sort((a, b) => Math.abs(a.x - label.x) - Math.abs(b.x - label.x));
        return Number(numbers[0]?.text);
    }, caption);
}

function scanStory(device) {
    const s = {};
    const data = browser.folder(`orvakit-practice-scan-${device}-`);
    const shot = async (name) => {
        await settled(s.page);
        await s.page.screenshot({ path: path.join(artifacts, `practice_scan-${device}-${name}.png`) });
    };
    const start = async () => {
        const bundle = browser.bundle(`orvakit-scan-bundle-${device}-`, { MakerForumAddress: `${forum.base}/forum` });
        s.run = await startProgram(program, ['--data-dir', data, '--device', device, '--resources', bundle]);
        s.page = await openProgram(browser.context, s.run.address, { tip: true });
    };
    const end = async () => {
        await s.page?.close().catch(() => {});
        s.run?.child.kill('SIGTERM');
        assert.equal((await s.run?.exited)?.code, 0);
    };
    before(start);
    after(end);

    test('a scan harvests every topic of the forum and then stops by itself', async () => {
        const { page } = s;
        await tapToolButton(page, device, 'Practice');
        await waitShown(page, 'New questions from the forum');
        const before = await countAbove(page, 'Questions in all sets');
        await shot('dashboard');
        await tapSettled(page, 'Start');
        // Nine topics, each its own request, and every sub-forum's last "previous" request.
        await waitShown(page, '^9/\\d+$', { pattern: true });
        await waitShown(page, 'Start');
        await shot('harvested');
        assert.equal(await countAbove(page, 'Questions in all sets'), before + 9);
        const asked = forum.requests.filter((r) => r.path === '/forum/viewtopic.php');
        for (const f of ['140', '141', '138', '139'])
            assert.ok(asked.some((r) => r.query.get('f') === f && r.query.get('view') === 'first_normal'), `sub-forum ${f} asked`);
    });

    test('after a restart the harvested questions are still counted', async () => {
        const before = await countAbove(s.page, 'Questions in all sets');
        await tapSettled(s.page, 'Done');
        await waitShown(s.page, 'New questions from the forum', { gone: true });
        await end();
        await start();
        await tapToolButton(s.page, device, 'Practice');
        await waitShown(s.page, 'New questions from the forum');
        assert.equal(await countAbove(s.page, 'Questions in all sets'), before);
        await shot('restarted');
    });
}

describe('the forum scan on the phone', () => scanStory('phone'));
describe('the forum scan on the tablet', () => scanStory('tablet'));
