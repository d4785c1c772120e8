// The study aids of the real program on the phone and on the tablet, opened from the library's
// page reader. The calculator adds and multiplies from its keys and closes. A drawing made on the
// scratchpad is moved, the panel is closed and opened again, and the same drawing comes back at
// the same place. A word the person selects on the page (a double tap) is looked up through the
// edit menu's "Dictionary": its WordNet definition comes from the program's own dictionary
// service, the language key gives its French translation, and "Add Flashcard" adds it to the
// "Dictionary" deck, which the flashcards tool then lists. Screenshots are kept as artefacts.
import { test, describe } from 'node:test';
import assert from 'node:assert/strict';
import path from 'node:path';
import {
    artifacts, assertCardTextCentred, changing, drag, openProgram, settled, tapPicture, tapSettled,
    tapToolButton, untilFrameTexts, useBrowser, waitShown, webFrame, withProgram,
} from './support.mjs';

const program = process.env.ORVAKIT;
const browser = useBrowser({ viewport: { width: 900, height: 1150 } });
const padTag = 100;

// A tap on the text once the page is at rest (panels slide in).
function tap(page, text, options = {}) {
    return tapSettled(page, text, options);
}
const gone = (page, text) => waitShown(page, text, { gone: true });

// The page frame on top (the reader's front page, or the dictionary's).
function topFrame(page) {
    return page.frames().filter((f) => f !== page.mainFrame()).at(-1);
}

// Double-taps the word in the reader's page as a finger would: the word's place in the frame,
// scaled to the frame's place in the window.
async function doubleTapWord(page, word) {
    const frames = page.locator(`${webFrame}:visible`);
    const box = await frames.last().boundingBox();
    const frame = await (await frames.last().elementHandle()).contentFrame();
    const at = await frame.evaluate((w) => {
        const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
        for (let node = walker.nextNode(); node; node = walker.nextNode()) {
            const i = node.textContent.search(new RegExp(`\\b${w}\\b`));
            if (i < 0) continue;
            const range = document.createRange();
            range.setStart(node, i);
            range.setEnd(node, i + w.length);
            const r = range.getBoundingClientRect();
            return { x: r.x + r.width / 2, y: r.y + r.height / 2, width: window.innerWidth };
        }
        return null;
    }, word);
    assert.ok(at, `the page shows "${word}"`);
    const scale = box.width / at.width;
    await page.mouse.dblclick(box.x + at.x * scale, box.y + at.y * scale);
}

for (const device of ['phone', 'tablet']) {
    describe(`the study aids on the ${device}`, () => {
        const s = withProgram(program, () => ['--data-dir', browser.folder('orvakit-aids-panels-'), '--device', device,
            '--languages', 'en-GB,fr'], (address) => openProgram(browser.context, address, { tip: true }));
        const shot = async (name) => {
            await settled(s.page);
            await s.page.screenshot({ path: path.join(artifacts, `study_aids_panels-${device}-${name}.png`) });
        };

        test('the reader opens on a page of the study guide', async () => {
            const { page: p } = s;
            await tapToolButton(p, device, 'Library');
            await tap(p, 'The ORVA Uncovered');
            await tap(p, 'Introduction');
            await untilFrameTexts(p, (t) => t.some((x) => x.includes('This guide walks you through')), 'the page');
            await shot('page');
        });

        test('the calculator computes from its keys', async () => {
            const { page: p } = s;
            await tapPicture(p, 'tb_calc');
            await waitShown(p, 'Calculator');
            await shot('calculator');
            for (const key of ['1', '2', '+', '3', '×', '4']) await tap(p, key);
            await waitShown(p, '×');
            await tap(p, '=');
            await waitShown(p, '60');
            for (const key of ['√x', 'M+']) await tap(p, key);
            await waitShown(p, '7.745966692414834');
            await waitShown(p, 'M: 7.745966692414834');
            await shot('calculator-result');
            await tap(p, 'Done');
            await gone(p, 'Calculator');
            await shot('calculator-closed');
        });

        test('a drawing on the scratchpad is moved, hidden and shown again as it was', async () => {
            const { page: p } = s;
            await tapPicture(p, 'tb_scratch');
            await waitShown(p, 'Eraser');
            await settled(p);
            const pad = p.locator(`.el[data-tag="${padTag}"]`).last();
            const box = await pad.boundingBox();
            const at = (fx, fy) => ({ x: box.x + box.width * fx, y: box.y + box.height * fy });
            // A figure: a stroke across and one down.
            await drag(p, at(0.2, 0.3), { x: box.width * 0.5, y: box.height * 0.1 }, 12);
            await drag(p, at(0.5, 0.2), { x: box.width * 0.05, y: box.height * 0.4 }, 12);
            await settled(p);
            await shot('scratchpad-drawn');
            await tap(p, 'Move');
            await drag(p, at(0.5, 0.5), { x: -40, y: -40 }, 8);
            await settled(p);
            const before = await pad.screenshot();
            await shot('scratchpad-moved');
            await tap(p, 'Done');
            await gone(p, 'Eraser');
            await shot('scratchpad-hidden');
            await tapPicture(p, 'tb_scratch');
            await waitShown(p, 'Eraser');
            await settled(p);
            const after = await p.locator(`.el[data-tag="${padTag}"]`).last().screenshot();
            assert.ok(before.equals(after), 'the same drawing at the same place');
            await shot('scratchpad-again');
            await tap(p, 'Done');
            await gone(p, 'Eraser');
        });

        test('a selected word is looked up, translated and kept as a card', async () => {
            const { page: p } = s;
            await doubleTapWord(p, 'guide');
            await tap(p, 'Dictionary');
            await waitShown(p, 'Add Flashcard');
            const definition = await untilFrameTexts(p, (t) => t.some((x) => x.includes('someone employed to conduct others')),
                'the WordNet definition');
            assert.ok(definition.some((x) => x.startsWith('guide')), 'the word heads the page');
            await shot('dictionary');
            await tap(p, 'en');
            await waitShown(p, 'fr');
            await untilFrameTexts(p, (t) => t.some((x) => x.includes('guider, régler')), 'the French translation');
            await shot('dictionary-french');
            await tap(p, 'Add Flashcard');
            await waitShown(p, "Do you want to add Flashcard to the 'Dictionary' Deck?");
            await shot('dictionary-add');
            await tap(p, 'Add Flashcard');
            await gone(p, "Do you want to add Flashcard to the 'Dictionary' Deck?");
            await tap(p, 'Done');
            await gone(p, 'Add Flashcard');
            await shot('dictionary-closed');
            assert.ok(topFrame(p), 'the page is still there');
        });

        test('the flashcards tool lists the Dictionary deck with the new card', async () => {
            const { page: p } = s;
            await tap(p, 'Contents');
            await tap(p, 'Library');
            await waitShown(p, 'eBooks [2]');
            await tap(p, 'Done');
            await waitShown(p, 'Error Log');
            await settled(p);
            await tapToolButton(p, device, 'Flashcards');
            await waitShown(p, 'Dictionary');
            await shot('flashcards');
            // The word stands in the middle of its card.
            await tap(p, 'Dictionary');
            await p.waitForFunction(() => document.querySelectorAll('.el[data-tag="2"]').length >= 2);
            if (device === 'phone') await changing(p, () => p.click('#rotate-left'));
            await waitShown(p, 'I know');
            await untilFrameTexts(p, (t) => t.some((x) => x.includes('guide')), 'the card shows its word');
            await assertCardTextCentred(p, 'the Dictionary deck');
            await shot('flashcards-card');
            await tap(p, 'Back');
            if (device === 'phone') await changing(p, () => p.click('#rotate-right'));
            await waitShown(p, 'Main');
        });
    });
}
