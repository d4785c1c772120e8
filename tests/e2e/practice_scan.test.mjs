// The practice tool's forum scan in the real program, against a local forum whose question
// sub-forums hold nine topics (five PS, one DS, two SC, one CR), five of them usable questions. A
// person opens Practice and starts the scan; when every sub-forum has run out of older topics the key
// reads "Start" again, the scan's counter shows the five questions added and the pages read, and the
// five are counted among all sets. With every other set switched off, a harvested question shows,
// once answered, the forum set's line and its "Mail Feedback" and "Delete Question" keys: each key of
// the report sheet opens its mail, and the question is deleted. After a restart the harvest is still
// there and its questions still carry the forum set's keys.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import path from 'node:path';
import {
    actUntil, artifacts, filterCount, mailed, openProgram, scrollListTo, settled, shownTexts, startProgram, tapSettled,
    openTool, tapSubmitKey, tapToolButton, tapUntilShown, useBrowser, waitShown, webFrame,
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
const builtInSets = ['Kaplan', 'Knewton', 'Manhattan ORVA', 'Princeton Review', 'Manhattan Review', 'Hard Quant Set'];
const question = (page) => page.frameLocator(webFrame).last();
// A tap on an element of the question page, given to the element itself (the device's picture is
// scaled, under which the browser driver places clicks in frames wrongly).
async function tapInPage(locator) {
    await locator.waitFor({ state: 'visible' });
    await locator.dispatchEvent('click');
}
const viewtopicRequests = () => forum.requests.filter((r) => r.path === '/forum/viewtopic.php').length;

function scanStory(device) {
    const s = {};
    const data = browser.folder(`orvakit-practice-scan-${device}-`);
    const shot = async (name) => {
        await settled(s.page);
        await s.page.screenshot({ path: path.join(artifacts, `practice_scan-${device}-${name}.png`) });
    };
    const start = async () => {
        const bundle = browser.bundle(`orvakit-scan-bundle-${device}-`,
            { MakerForumAddress: `${forum.base}/forum`, SupportMailAddress: 'help@maker.example' });
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
        const requestsBefore = viewtopicRequests();
        await shot('dashboard');
        await tapSettled(page, 'Start');
        // Of the nine topics five are taken: the others have a figure, posts that disagree on the
        // answer, or statements among the choices of a problem-solving question.
        await page.waitForFunction(allSetsCount, before + 5);
        // The harvest is saved behind the tool's saving overlay, which goes when the file is written.
        await waitShown(page, 'Opening the tool, still saving...', { gone: true });
        await shot('harvested');
        assert.equal(await countAll(page), before + 5);
        s.harvestedCount = before + 5;
        // The counter: the questions the scan added, and the pages it read to find them.
        await waitShown(page, `5/${viewtopicRequests() - requestsBefore}`);
        const asked = forum.requests.filter((r) => r.path === '/forum/viewtopic.php');
        for (const f of ['140', '141', '138', '139'])
            assert.ok(asked.some((r) => r.query.get('f') === f && r.query.get('view') === 'first_normal'), `sub-forum ${f} asked`);
    });

    // Opens the work set's first question and answers it: the reveal shows the page's keys.
    const answerFirst = async () => {
        const { page } = s;
        await tapSettled(page, 'Practise');
        await tapInPage(question(page).locator('#radioB'));
        await tapSubmitKey(page);
        await question(page).locator('#delReportBtns').waitFor({ state: 'visible' });
        assert.match(await question(page).locator('p.qowner').textContent(), /^Set: Questions collected from Vessark forums$/);
        await question(page).locator('body').evaluate(() => window.scrollTo(0, document.body.scrollHeight));
    };

    test('a harvested question is in the forum set: its page reports and deletes it', async () => {
        const { page } = s;
        await tapSettled(page, 'Filter and Sets');
        const all = await filterCount(page);
        for (const name of builtInSets) {
            const count = await filterCount(page);
            const row = await scrollListTo(page, device, name, { upwards: true });
            // Tapped again only while the header still shows the count before.
            await actUntil(() => page.mouse.click(row.x, row.y),
                (timeout) => page.waitForFunction((n) => !window.shownTexts(`Filter: ${n}`).length, count, { timeout }),
                { again: async () => (await shownTexts(page, `Filter: ${count}`)).length > 0 });
        }
        await waitShown(page, 'Filter: 5');
        assert.ok(all > 5);
        await shot('only-the-forum-set');
        await tapUntilShown(page, 'Done', 'Filter: 5', { gone: true });
        await answerFirst();
        await shot('harvested-question-keys');

        await tapInPage(question(page).locator('#reportBtn'));
        for (const [key, lead] of [['Report wrong OA', 'a wrong OA'], ['Report wrong formatting', 'a formatting problem'],
            ['Other', 'the following problem']]) {
            await waitShown(page, 'Cancel');
            if (key === 'Report wrong OA') await shot('report-sheet');
            await tapSettled(page, key);
            const mail = await mailed(page, new RegExp(`^Hi,\n\n There is ${lead} for the question: \n`));
            assert.equal(mail.to, 'help@maker.example');
            assert.match(mail.body, /viewtopic\.php\?t=\d+\nType: (PS|DS|SC|CR)\nOA: [A-E]\n/);
            await page.locator('#mail-close').click();
            if (key !== 'Other') await tapInPage(question(page).locator('#reportBtn'));
        }

        // Deleted, the question makes way for the next one, unanswered, of four.
        await tapInPage(question(page).locator('#deleteBtn'));
        await question(page).locator('#submit').waitFor({ state: 'visible' });
        await waitShown(page, '4');
        await shot('deleted');
        await tapSettled(page, 'Done');
        await page.waitForFunction(allSetsCount, s.harvestedCount - 1);
    });

    test('after a restart the harvested questions are still counted and keep their keys', async () => {
        const before = await countAll(s.page);
        await tapUntilShown(s.page, 'Done', 'New questions from the forum', { gone: true });
        await end();
        await start();
        await openTool(s.page, device, 'Practice', 'New questions from the forum');
        assert.equal(await countAll(s.page), before);
        await shot('restarted');
        await answerFirst();
        await question(s.page).locator('#deleteBtn').waitFor({ state: 'visible' });
        await question(s.page).locator('#reportBtn').waitFor({ state: 'visible' });
        await shot('restarted-question-keys');
    });
}

describe('the forum scan on the phone', () => scanStory('phone'));
describe('the forum scan on the tablet', () => scanStory('tablet'));
