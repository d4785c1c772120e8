// A reading passage in the practice tool of the real program, on the phone and on the tablet. From
// the home screen Practice opens; in the filter editor every question set but Knewton is switched
// off and reading comprehension is made the only question type, so the work set begins with
// Knewton's first passage question. Its page shows the passage beside the question with the
// sentence the question asks about highlighted; the question is answered and its answer revealed.
// Screenshots are kept as artefacts.
import { test, describe } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import {
    artifacts, openProgram, screenSeq, settled, tapAndWait, tapSubmitKey, tapText, tapToolButton, useBrowser,
    waitShown, webFrame, withProgram,
} from './support.mjs';

const program = process.env.ORVAKIT;
assert.ok(program, 'ORVAKIT names the program');
const browser = useBrowser({ viewport: { width: 900, height: 1150 } });

// The sets the filter editor lists besides Knewton, by the titles of their rows. The sets start
// switched on; the question types start unticked, which lets every type through, and ticking reading
// comprehension (RC) alone lets only it through.
const otherSets = ['Kaplan', 'Manhattan ORVA', 'Princeton Review', 'Manhattan Review', 'Hard Quant Set', 'My Set'];
const otherTypes = ['PS', 'DS', 'SC', 'CR'];
const knewtonPassageQuestions = 13;

// The first passage question of the Knewton set: its passage, the words it highlights, its question
// and the letter of its right choice. The question and its letter are read from the set's data, so
// that rewording the question leaves the test as it is.
const knewtonSet = JSON.parse(fs.readFileSync(path.join(path.dirname(fileURLToPath(import.meta.url)),
    '../../resources/question_sets/MKnewtonSet.json'), 'utf8'));
const firstPassageQuestion = knewtonSet.records.filter((r) => r.passage !== undefined)
    .sort((a, b) => a.number - b.number)[0];
const passage = {
    opening: 'For a forager in the open desert, finding the way home is a matter of survival.',
    highlighted: 'The ant, it seemed, kept a running sum of every turn and every stretch of its outward journey',
    question: firstPassageQuestion.body.replace(/<[^>]*>/g, '').trim(),
    right: 'ABCDE'[firstPassageQuestion.answer - 1],
};

// The row of the filter editor titled `t`: whether it is ticked, and the middle of its title where a
// tap reaches it (the row, which takes the taps, is on top there, not scrolled out under the bar);
// null while no such row is built. Where the title shows more than once, the row a tap reaches.
function rowStateOf(t) {
    const rows = window.shownSpans(t).map((span) => {
        const row = span.closest('.el[data-interactive="true"]');
        const tick = row?.querySelector('img[src*="news_feed_checked"]');
        if (!tick) return null;
        let ticked = true;
        for (let node = tick; node !== row; node = node.parentElement) {
            const style = getComputedStyle(node);
            const hidden = style.display === 'none' || style.visibility === 'hidden';
            if (hidden || Number(style.opacity) < 0.5) ticked = false;
        }
        const r = span.getBoundingClientRect();
        const x = r.x + r.width / 2;
        const y = r.y + r.height / 2;
        const hit = document.elementFromPoint(x, y);
        return { ticked, reachable: !!hit && (hit === row || row.contains(hit)), x, y };
    }).filter(Boolean);
    return rows.find((r) => r.reachable) ?? rows[0] ?? null;
}
const rowState = (page, title) => page.evaluate(rowStateOf, title);

// Scrolls the filter editor's list (by the wheel over its middle) until the row titled `title` can
// be tapped.
async function scrollToRow(page, title) {
    for (let turn = 0; turn < 20; turn++) {
        const state = await rowState(page, title);
        if (state?.reachable) return state;
        const header = await waitShown(page, '^Filter: \\d+$', { pattern: true });
        await page.mouse.move(header.x, header.y + 300);
        // Towards a row already built; down to the rows not yet built.
        // The list's move comes back as a patch; at its end nothing moves and no patch comes.
        const before = await screenSeq(page);
        await page.mouse.wheel(0, state && state.y < header.y ? -150 : 150);
        await page.waitForFunction((seq) => window.orvaDevice.screen.seq > seq, before, { timeout: 2000 }).catch(() => {});
        await settled(page);
    }
    throw new Error(`the row ${title} never came into the list`);
}

// Switches the filter editor's row titled `title` on or off by a tap and waits until its tick
// shows it.
async function toggle(page, title, on) {
    const state = await scrollToRow(page, title);
    assert.equal(state.ticked, !on, `${title} starts switched ${on ? 'off' : 'on'}`);
    await page.mouse.click(state.x, state.y);
    await page.waitForFunction(`(${rowStateOf})(${JSON.stringify(title)})?.ticked === ${on}`);
    await settled(page);
}

// A click on an element of the question page that its frame's element gets itself (the device's
// picture is scaled, under which the browser driver places clicks in frames wrongly). It chooses an
// option as a tap does; the submit key takes only the person's own tap (tapSubmitKey).
async function tapInPage(locator) {
    await locator.waitFor({ state: 'visible' });
    await locator.dispatchEvent('click');
}

const question = (page) => page.frameLocator(webFrame).last();

for (const device of ['phone', 'tablet']) {
    describe(`a reading passage on the ${device}`, () => {
        const data = () => browser.folder(`orvakit-passage-${device}-`);
        const s = withProgram(program, () => ['--data-dir', data(), '--device', device],
            (address) => openProgram(browser.context, address, { tip: true }));
        const shot = async (name) => {
            await settled(s.page);
            await s.page.screenshot({ path: path.join(artifacts, `practice_passage-${device}-${name}.png`) });
        };

        test('the filter keeps only Knewton\'s reading comprehension questions', async () => {
            const { page } = s;
            await tapToolButton(page, device, 'Practice');
            await waitShown(page, 'Filter and Sets');
            await settled(page);
            await tapAndWait(page, 'Filter and Sets', 'Knewton');
            assert.equal((await scrollToRow(page, 'Knewton')).ticked, true, 'Knewton is switched on');
            for (const title of otherSets) await toggle(page, title, false);
            await toggle(page, 'RC', true);
            for (const title of otherTypes) assert.equal((await scrollToRow(page, title)).ticked, false, title);
            await waitShown(page, `Filter: ${knewtonPassageQuestions}`);
            await scrollToRow(page, 'RC');
            await shot('filter');
            await tapAndWait(page, 'Done', `Filter: ${knewtonPassageQuestions}`, { gone: true });
            await waitShown(page, String(knewtonPassageQuestions));
            await shot('dashboard');
        });

        test('the first question shows its passage with the highlighted sentence', async () => {
            const { page } = s;
            await tapText(page, 'Practise');
            const frame = question(page);
            await frame.locator('#submit').waitFor({ state: 'visible' });
            await frame.getByText(passage.question).waitFor({ state: 'visible' });
            // The page holds the passage twice, whole and shortened, and shows one of them.
            await frame.locator('p:visible', { hasText: passage.opening }).first().waitFor();
            const highlight = frame.locator('span.highlight1:visible').first();
            await highlight.waitFor({ state: 'visible' });
            assert.equal((await highlight.textContent()).trim(), passage.highlighted);
            const colours = await highlight.evaluate((span) => ({
                span: getComputedStyle(span).backgroundColor,
                page: getComputedStyle(document.body).backgroundColor,
            }));
            assert.notEqual(colours.span, 'rgba(0, 0, 0, 0)', 'the highlight has a background');
            assert.notEqual(colours.span, colours.page, 'the highlight stands out from the page');
            await highlight.scrollIntoViewIfNeeded();
            await shot('passage');
        });

        test('the answer is revealed with its explanation', async () => {
            const { page } = s;
            const frame = question(page);
            await tapInPage(frame.locator(`#radio${passage.right}`));
            await frame.locator(`#radio${passage.right}:checked`).waitFor();
            await tapSubmitKey(page);
            await frame.locator('#explanation').waitFor({ state: 'visible' });
            await frame.locator('#history', { hasText: 'current answer' }).waitFor();
            await frame.locator('#explanation').scrollIntoViewIfNeeded();
            await shot('revealed');
        });
    });
}
