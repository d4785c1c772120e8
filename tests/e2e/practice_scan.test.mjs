// The practice tool's forum scan in the real program, against a local forum whose question
// sub-forums hold nine topics (five PS, one DS, two SC, one CR), five of them usable questions. A
// person opens Practice and starts the scan; when every sub-forum has run out of older topics the key
// reads "Start" again and the five harvested questions are counted among all sets. After a restart
// the harvest is still there.
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

// The number shown beside the dashboard's "Questions in all sets": the counter label on its row.
// Given a count, whether the label shows that count while the scan key reads "Start". Runs in the
// page, so that a wait looks again on every frame.
function allSetsCount(count) {
    const items = window.shownTextItems('.', true);
    const label = items.find((i) => i.text === 'Questions in all sets');
    const shown = Number(items.find((i) => /^\d+$/.test(i.text) && label && Math.abs(i.y - label.y) < 10)?.text);
    return count === undefined ? shown : shown === count && window.shownTexts('Start').length > 0;
}

const countAll = (page) => page.evaluate(allSetsCount);

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
        const before = await countAll(page);
        await shot('dashboard');
        await tapSettled(page, 'Start');
        // Of the nine topics five are taken: the others have a figure, posts that disagree on the
        // answer, or statements among the choices of a problem-solving question.
        await page.waitForFunction(allSetsCount, before + 5);
        // The harvest is saved behind the tool's saving overlay, which goes when the file is written.
        await waitShown(page, 'Opening the tool, still saving...', { gone: true });
        await shot('harvested');
        assert.equal(await countAll(page), before + 5);
        const asked = forum.requests.filter((r) => r.path === '/forum/viewtopic.php');
        for (const f of ['140', '141', '138', '139'])
            assert.ok(asked.some((r) => r.query.get('f') === f && r.query.get('view') === 'first_normal'), `sub-forum ${f} asked`);
    });

    test('after a restart the harvested questions are still counted', async () => {
        const before = await countAll(s.page);
        await tapSettled(s.page, 'Done');
        await waitShown(s.page, 'New questions from the forum', { gone: true });
        await end();
        await start();
        await tapToolButton(s.page, device, 'Practice');
        await waitShown(s.page, 'New questions from the forum');
        assert.equal(await countAll(s.page), before);
        await shot('restarted');
    });
}

describe('the forum scan on the phone', () => scanStory('phone'));
describe('the forum scan on the tablet', () => scanStory('tablet'));
