// The practice review and the keyword editor of the real program in a browser, on the phone and the
// tablet. The person practises two sessions (leaving the question screen in between), opens the
// review and finds the newer session first, opens it and its answer and sees the recorded choice and
// time; in edit mode deletes the older session. From the question screen the person opens the
// keyword editor (on the phone from the second toolbar), adds a word of the question, presses return
// and done, and sees the word marked on the page; then switches the marks off and on. Last, a review
// list of 2,000 sessions is dragged through and the wait of each move for its patch printed.
// Screenshots of every step are kept as artefacts.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import path from 'node:path';
import {
    artifacts, dragWaits, explained, openProgram, settled, shownTextItems, startProgram, tapPicture, tapSettled,
    tapSubmitKey, tapToolButton, typeInto, useBrowser, waitShown, webFrame,
} from './support.mjs';

const program = process.env.ORVAKIT;
const browser = useBrowser({ viewport: { width: 900, height: 1150 } });

before(() => assert.ok(program, 'ORVAKIT names the program'));

// A tap on the text (the one on top) once the page is at rest.
function tap(page, text, options = {}) {
    return tapSettled(page, text, options);
}
const waitGone = (page, text, pattern = false) => waitShown(page, text, { gone: true, pattern });
// Taps the key of that picture. The name is followed by the "@" of the picture's file
// ("tb_hl@2x.png", escaped in its address), so that "tb_hl" is not "tb_hlsettings".
const tapImage = (page, name) => tapPicture(page, `${name}%40`);
// The question page's frame.
const questionFrame = (page) => page.frameLocator(webFrame).last();

// The program on a data folder of its own (prepared by a program when given), shown in a page.
function withProgram(device, prepare = null) {
    const s = { device };
    const data = browser.folder(`orvakit-review-${device}-`);
    before(async () => {
        if (prepare) prepare(data);
        s.run = await startProgram(program, ['--data-dir', data, '--device', device]);
        s.page = await openProgram(browser.context, s.run.address, { tip: true });
    });
    after(async () => {
        await s.page?.close().catch(() => {});
        s.run?.child.kill('SIGTERM');
        assert.equal((await s.run?.exited)?.code, 0);
    });
    s.shot = async (name) => {
        await settled(s.page);
        await s.page.screenshot({ path: path.join(artifacts, `review-${device}-${name}.png`) });
    };
    return s;
}

// Answers the question shown with the letter and waits for the reveal.
async function answer(page, letter) {
    const frame = questionFrame(page);
    await frame.locator(`#radio${letter}`).dispatchEvent('click');
    await frame.locator(`#radio${letter}:checked`).waitFor();
    await tapSubmitKey(page);
    await frame.locator('#history', { hasText: 'current answer' }).waitFor();
}

// Practises a session: the answers in turn, the next key between them, then leaves.
async function practise(page, letters) {
    await tap(page, 'Practise');
    for (const [i, letter] of letters.entries()) {
        if (i > 0) await tapImage(page, 'Practice_next');
        await questionFrame(page).locator('#submit').waitFor({ state: 'visible' });
        await answer(page, letter);
    }
    await tap(page, 'Done');
    await page.locator(webFrame).waitFor({ state: 'detached' });
    await waitShown(page, 'Filter and Sets');
}

// A word of the question's own text (not of the options or the explanation) that is not marked yet.
const unmarkedWord = (page) => questionFrame(page).locator('body').evaluate((body) => {
    const walker = document.createTreeWalker(body, NodeFilter.SHOW_TEXT);
    for (let node = walker.nextNode(); node; node = walker.nextNode()) {
        if (node.parentElement.closest('form, button, #explanation, #history, span, b')) continue;
        const word = (node.textContent.match(/\b[A-Za-z]{4,}\b/g) ?? [])[0];
        if (word) return word;
    }
    return null;
});
// The word's mark on the page: of the class given, or of either when none is given.
function markLocator(page, word, wanted = null) {
    const classes = wanted ? `span.${wanted}` : 'span.kwselected, span.kwdeselected';
    return questionFrame(page).locator(classes, { hasText: new RegExp(`^${word}$`, 'i') });
}
async function waitMark(page, word, wanted = null) {
    const mark = markLocator(page, word, wanted).first();
    await mark.waitFor({ state: 'attached' });
    return mark.evaluate((span) => span.className);
}

// The rows of the review list, top to bottom: each row's answer count and where it is. The counts
// are the numbers inside the list's screen, the one holding its title and its average times (the
// dashboard's numbers lie under it).
const reviewRows = (page) => page.evaluate(() => {
    const averages = window.shownSpans('per question$', true);
    let screen = window.shownSpans('Sessions').at(-1);
    while (screen && !averages.every((a) => screen.contains(a))) screen = screen.parentElement;
    const centre = (span) => {
        const r = span.getBoundingClientRect();
        return { x: r.x + r.width / 2, y: r.y + r.height / 2 };
    };
    const counts = window.shownSpans('^\\d+$', true).filter((s) => screen?.contains(s))
        .map((s) => ({ count: Number(s.textContent), ...centre(s) }));
    return counts.sort((a, b) => a.y - b.y);
});

// The review road of one device.
function reviewRoad(device) {
    const s = withProgram(device);

    test('two sessions are reviewed newest first, an answer with its choice and time', async () => {
        const { page } = s;
        await tapToolButton(page, device, 'Practice');
        await waitShown(page, 'Filter and Sets');
        await practise(page, ['B', 'C']);
        await practise(page, ['D']);
        await tap(page, 'Review');
        await waitShown(page, 'Sessions');
        await waitShown(page, 'Edit');
        await s.shot('list');
        // The answer counts of the rows: the newer session's one above the older's two.
        const rows = await reviewRows(page);
        assert.deepEqual(rows.map((r) => r.count), [1, 2]);

        await page.mouse.click(rows[0].x, rows[0].y);
        await tap(page, '1.');
        await questionFrame(page).locator('#radioD:checked').waitFor();
        await waitShown(page, '^00:\\d\\d$', { pattern: true });
        assert.equal(await questionFrame(page).locator('#submit').count(), 0);
        await s.shot('answer');
        await tap(page, 'Done');
        await page.locator(webFrame).waitFor({ state: 'detached' });
        await waitShown(page, '1.');
        await s.shot('session');
        await tap(page, 'Back');
        await waitGone(page, '1.');
    });

    test('a session is deleted in edit mode', async () => {
        const { page } = s;
        await tap(page, 'Edit');
        await waitShown(page, '\u2212');
        await s.shot('editing');
        // The older session's row: its minus, then its delete button.
        const [, older] = await reviewRows(page);
        const minus = (await shownTextItems(page, '\u2212'))
            .reduce((a, b) => (Math.abs(b.y - older.y) < Math.abs(a.y - older.y) ? b : a));
        await page.mouse.click(minus.x, minus.y);
        await tap(page, 'Delete');
        await page.waitForFunction(() => window.shownTexts('per question$', true).length === 1);
        await s.shot('deleted');
        // The edit key, titled "Done" while editing, is the right one of the two.
        const dones = await shownTextItems(page, 'Done');
        const edit = dones.reduce((a, b) => (b.x > a.x ? b : a));
        await page.mouse.click(edit.x, edit.y);
        await waitShown(page, 'Edit');
        assert.deepEqual((await reviewRows(page)).map((r) => r.count), [1]);
        await tap(page, 'Done');
        await waitGone(page, 'Sessions');
    });

    test('a keyword added in the editor is marked on the page, and the marks switch', async () => {
        const { page } = s;
        await tap(page, 'Practise');
        await questionFrame(page).locator('#submit').waitFor({ state: 'visible' });
        const word = await unmarkedWord(page);
        assert.ok(word, 'the question has a word to mark');
        if (device === 'phone') await tapImage(page, 'tb_switchtb');
        await tapImage(page, 'tb_hlsettings');
        await waitShown(page, 'Keywords');
        await s.shot('editor');
        await typeInto(page, 'textarea', `${word}; `, { atEnd: true, enter: true });
        await explained(page, page.waitForFunction((w) => document.activeElement?.tagName !== 'TEXTAREA'
            && [...document.querySelectorAll('textarea')].some((t) => t.value.endsWith(`${w}; `)), word));
        await s.shot('editor-typed');
        await tap(page, 'Done');
        await waitGone(page, 'Keywords');
        const mark = await waitMark(page, word);
        await s.shot('marked');
        const other = mark === 'kwselected' ? 'kwdeselected' : 'kwselected';
        await tapImage(page, 'tb_hl');
        await waitMark(page, word, other);
        await s.shot('marks-switched');
        await tapImage(page, 'tb_hl');
        await waitMark(page, word, mark);
        await tap(page, 'Done');
        await page.locator(webFrame).waitFor({ state: 'detached' });
    });
}

describe('the review on the phone', () => reviewRoad('phone'));
describe('the review on the tablet', () => reviewRoad('tablet'));

describe('the review list of 2,000 sessions', () => {
    const s = withProgram('phone', (data) => execFileSync(process.env.ORVA_PRACTICE_SESSIONS_DATA, [data]));

    test('is dragged through without a move waiting long for its patch', async () => {
        const { page } = s;
        await tapToolButton(page, 'phone', 'Practice');
        await tap(page, 'Review');
        await waitShown(page, 'Edit');
        await settled(page);
        const title = await waitShown(page, 'Sessions');
        // Drags of the finger up the list, each 400 pixels in 40 steps and let go while moving.
        const waits = await dragWaits(page, { x: title.x, y: title.y + 500 }, { drags: 20, steps: 40 });
        const at = (share) => waits[Math.floor(share * (waits.length - 1))].toFixed(1);
        const over = waits.filter((w) => w > 50).length;
        console.log(`review list, 2,000 sessions: ${waits.length} moves, patch after a move median ${at(0.5)} ms, `
            + `99th percentile ${at(0.99)} ms, longest ${at(1)} ms, ${over} over 50 ms`);
        await s.shot('two-thousand');
        assert.ok((await reviewRows(page)).every((r) => r.count === 50), 'rows of 50 answers are shown');
    });
});
