// The flashcards tool in the real program, on the phone and on the tablet: a deck opened from the
// list, its card turned by a vertical drag, thrown left and right, marked "I know", rewound with a
// held key, and left with its known percentage shown; a deck of the user's own created with three
// cards, one deleted and the others reordered, its look changed; the decks reordered and one reset;
// and all of it found again after a restart. A card whose text holds a script and an outside picture
// shows neither. Screenshots are kept as artefacts.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { createServer } from 'node:http';
import path from 'node:path';
import {
    artifacts, assertCardTextCentred, cardBox, changing, drag, openProgram, pickShown, pictureCentre,
    screenSeq, settled, shownTexts as shown, startProgram, tapSettled, tapText, toolButton, typeInto,
    untilFrameTexts, useBrowser, waitShown as shownAt,
} from './support.mjs';

// Waits until a text (or a text matching a pattern's source) is shown; answers its first centre.
async function waitShown(page, text, pattern = false) {
    return shownAt(page, text, { pattern, which: 0 })
        .catch((err) => { throw new Error(`"${text}" is never shown (${err.message})`); });
}
// A tap on the first place of the text, once the page is at rest.
function tap(page, text) {
    return tapSettled(page, text, { which: 0 });
}
// Taps the home screen's button with the caption; answers the page's pixels per device point.
async function tapToolButton(page, device, caption) {
    const { x, y, scale } = await toolButton(page, device, caption);
    await page.mouse.click(x, y);
    return scale;
}

const program = process.env.ORVAKIT;
const browser = useBrowser({ viewport: { width: 900, height: 1150 } });

before(() => assert.ok(program, 'ORVAKIT names the program'));

// A screen that slides in: its text shown, then its entrance over.
async function waitScreen(page, text, pattern = false) {
    await waitShown(page, text, pattern);
    await settled(page);
    return waitShown(page, text, pattern);
}
const shot = async (page, name) => {
    await settled(page);
    await page.screenshot({ path: path.join(artifacts, `flashcards-${name}.png`) });
};

// Turns the device (the phone's viewer is drawn in landscape) and waits for the new layout.
const turn = (page, control) => changing(page, () => page.click(control));


// The last of the texts shown: the screen laid over the others.
async function tapLast(page, text) {
    await waitShown(page, text);
    await settled(page);
    await tapText(page, text);
}
async function screenBox(page) {
    return page.locator('#screen').boundingBox();
}
// Drags a row of an editing table by its grip (at the row's right end) by `rows` rows.
async function dragRow(page, text, rows, scale) {
    const row = await waitShown(page, text);
    const screen = await screenBox(page);
    const from = { x: screen.x + screen.width - 16 * scale, y: row.y };
    await page.mouse.move(from.x, from.y);
    await page.mouse.down();
    await settled(page);
    // Past the middle of the row it lands on.
    const by = (rows + Math.sign(rows) * 0.6) * 85 * scale;
    const steps = 12;
    for (let i = 1; i <= steps; i++) await page.mouse.move(from.x, from.y + by * i / steps);
    await settled(page);
    await page.mouse.up();
    await settled(page);
}

const open = (run) => openProgram(browser.context, run.address, { tip: true });

// A page that asks for an outside picture counts here; none may come.
let outsideRequests = 0;
const outside = createServer((req, res) => {
    outsideRequests += 1;
    res.writeHead(404).end();
});
before(() => new Promise((resolve) => outside.listen(0, '127.0.0.1', resolve)));
after(() => new Promise((resolve) => outside.close(resolve)));

const scriptCard = () => `<b>Inert card</b><script>document.body.dataset.ran = 'script'</script>` +
    `<img src="http://127.0.0.1:${outside.address().port}/pixel.png" onerror="document.body.dataset.ran = 'picture'">`;

for (const device of ['phone', 'tablet']) {
    describe(`the flashcards tool on the ${device}`, () => {
        const s = {};
        let data;
        before(async () => {
            data = browser.folder('orvakit-flashcards-');
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
            s.scale = await tapToolButton(page, device, 'Flashcards');
            await waitShown(page, "Vessark's Quant");
            await shot(page, `${device}-list`);
            await tap(page, "Vessark's Quant");
            await page.waitForFunction(() => document.querySelectorAll('.el[data-tag="2"]').length >= 2);
            if (device === 'phone') {
                // The viewer is drawn in landscape: the device is turned so that it reads upright.
                await turn(page, '#rotate-left');
            }
            await waitShown(page, 'I know');
            await shot(page, `${device}-viewer`);

            const card = await cardBox(page);
            const centre = { x: card.x + card.width / 2, y: card.y + card.height / 2 };
            const face = await untilFrameTexts(page, (t) => t.length >= 1, 'the face is shown');
            await drag(page, centre, { x: 0, y: 80 * s.scale });
            const differs = (texts) => (t) => t.length >= 1 && JSON.stringify(t) !== JSON.stringify(texts);
            const back = await untilFrameTexts(page, differs(face), 'a vertical drag turns the card');
            await shot(page, `${device}-viewer-back`);

            await drag(page, centre, { x: -200 * s.scale, y: 0 });
            const second = await untilFrameTexts(page, differs(back), 'a throw to the left brings the next card');
            await drag(page, centre, { x: 200 * s.scale, y: 0 });
            await untilFrameTexts(page, differs(second), 'a throw to the right too');

            // The effect while it grows (its first patch painted), before the next card comes.
            await waitShown(page, 'I know');
            await settled(page);
            const before = await screenSeq(page);
            await tapText(page, 'I know', { which: 0 });
            await page.waitForFunction((seq) => window.orvaDevice.screen.seq > seq, before);
            await page.screenshot({ path: path.join(artifacts, `flashcards-${device}-viewer-iknow.png`) });
            await settled(page);

            // The ordered sequence, then a held rewind key shows the counter.
            const sequence = await pictureCentre(page, 'fc_btn_sequence_adaptive');
            await changing(page, () => page.mouse.click(sequence.x, sequence.y));
            const forward = await pictureCentre(page, 'fc_btn_rewind_forward');
            await page.mouse.move(forward.x, forward.y);
            await page.mouse.down();
            await waitShown(page, '^\\d+$', true);
            await page.screenshot({ path: path.join(artifacts, `flashcards-${device}-viewer-rewind.png`) });
            await page.mouse.up();
            await settled(page);

            await tap(page, 'Back');
            if (device === 'phone') {
                await turn(page, '#rotate-right');
            }
            await waitShown(page, '^known: (?!0\\.0%)\\d+\\.\\d%$', true);
            await shot(page, `${device}-list-known`);
        });

        test('the built-in decks whose looks have text boxes stand their text in the middle of the card', async () => {
            const { page } = s;
            for (const deck of ['Idioms', 'Voices']) {
                await tap(page, deck);
                await page.waitForFunction(() => document.querySelectorAll('.el[data-tag="2"]').length >= 2);
                if (device === 'phone') await turn(page, '#rotate-left');
                await waitShown(page, 'I know');
                await assertCardTextCentred(page, deck);
                await shot(page, `${device}-viewer-${deck.toLowerCase()}`);
                await tap(page, 'Back');
                if (device === 'phone') await turn(page, '#rotate-right');
                await waitShown(page, 'Main');
                await settled(page);
            }
        });

        test('a deck of the user\'s own is built, the decks reordered and one reset, and all is kept', async () => {
            const { page } = s;
            const scale = s.scale;
            await tap(page, '+');
            await waitScreen(page, 'Add Custom Deck');
            await tap(page, 'Add Custom Deck');
            await waitScreen(page, 'Create');
            await typeInto(page, 'input', `Work rates ${device}`, { nth: 1 });
            await shot(page, `${device}-deck-new`);
            await tap(page, 'Create');
            await waitShown(page, `Work rates ${device}`);

            await tap(page, 'Edit');
            await settled(page);
            await tap(page, `Work rates ${device}`);
            await waitScreen(page, 'Deck Info');
            for (const [question, answer] of [['Work rate: 1/t of the job each hour', 'Together: add the rates'],
                ['A card to delete', 'gone'], [scriptCard(), 'Nothing ran']]) {
                await tapLast(page, '+');
                await waitScreen(page, '^ID: \\d+$', true);
                await typeInto(page, 'textarea', question);
                await typeInto(page, 'textarea', answer, { nth: 1 });
                if (answer === 'gone') {
                    // Typing the answer leaves the question in sight under the bar: no room is
                    // made for an on-screen keyboard that the display does not draw.
                    await shot(page, `${device}-card-answer`);
                    const screen = await page.locator('#screen').boundingBox();
                    const box = await page.locator('textarea:visible').nth(0).boundingBox();
                    const barBottom = screen.y + (20 + 44) * scale;  // the status bar and the bar
                    assert.ok(box.y > barBottom, `the question box (${box.y}) stays below the bar (${barBottom})`);
                }
                await tapLast(page, 'Create');
                await page.waitForFunction(() => window.shownTexts('Create').length === 0);
                await settled(page);
            }
            await waitShown(page, 'A card to delete');
            // The middle card deleted, the last moved to the top.
            const doomed = await waitShown(page, 'A card to delete');
            const minus = await pickShown(page, '\u2212',
                (all) => all.sort((a, b) => Math.abs(a.y - doomed.y) - Math.abs(b.y - doomed.y))[0]);
            await page.mouse.click(minus.x, minus.y);
            await tapLast(page, 'Delete');
            await page.waitForFunction(() => window.shownTexts('A card to delete').length === 0);
            await dragRow(page, 'Nothing ran', -1, scale);
            await shot(page, `${device}-cards`);

            // A new look for the face.
            await tap(page, 'Deck Info');
            await waitScreen(page, 'Confirm');
            const caption = await waitShown(page, 'Face look');
            const keyHeight = device === 'phone' ? 88 : 220;
            await page.mouse.click(caption.x, caption.y + (12 + keyHeight / 2) * scale);
            await shot(page, `${device}-deck-looks`);
            await tap(page, 'Confirm');
            await page.waitForFunction(() => window.shownTexts('Confirm').length === 0);
            await settled(page);
            await tapLast(page, 'Done');
            await page.waitForFunction(() => window.shownTexts('Deck Info').length === 0);
            await settled(page);

            // The new deck moved to the top of the list, the quant deck's history reset.
            await dragRow(page, `Work rates ${device}`, -3, scale);
            const quant = await waitShown(page, "Vessark's Quant");
            // The row's key lies below its title, above the next row's.
            const reset = await pickShown(page, 'Reset',
                (all) => all.filter((r) => r.y > quant.y).sort((a, b) => a.y - b.y)[0]);
            await page.mouse.click(reset.x, reset.y);
            await waitShown(page, 'Are you sure you want to delete history for this deck?');
            await shot(page, `${device}-reset`);
            await tapLast(page, 'Delete');
            await page.waitForFunction(() => window.shownTexts('Confirm Reset').length === 0);
            await settled(page);
            await shot(page, `${device}-list-edit`);
            assert.equal((await shown(page, '^known: 0\\.0%$', true)).length, 4, 'every deck reads 0.0% known');
            await tap(page, 'Done');
            await settled(page);
            const order = async (p) => (await Promise.all([`Work rates ${device}`, "Vessark's Quant"].map((t) => waitShown(p, t)))).map((c) => c.y);
            const [mine, theirs] = await order(page);
            assert.ok(mine < theirs, 'the new deck is listed first');
            await waitShown(page, 'known: 0.0%');

            // The card with a script and an outside picture: its text shows, nothing else happens.
            await tap(page, `Work rates ${device}`);
            await page.waitForFunction(() => document.querySelectorAll('.el[data-tag="2"]').length >= 2);
            if (device === 'phone') {
                await turn(page, '#rotate-left');
            }
            await waitShown(page, 'I know');
            await untilFrameTexts(page, (t) => t.some((x) => x.includes('Inert card')), 'the card shows its text');
            for (const frame of page.frames()) {
                if (frame === page.mainFrame()) continue;
                const ran = await frame.evaluate(() => document.body ? document.body.dataset.ran || '' : '').catch(() => '');
                assert.equal(ran, '', 'no script of the card ran');
            }
            assert.equal(outsideRequests, 0, 'no outside picture was asked for');
            await shot(page, `${device}-inert-card`);
            await tap(page, 'Back');
            if (device === 'phone') {
                await turn(page, '#rotate-right');
            }
            await waitShown(page, 'Main');

            // After a restart the list, the cards and the reset are as they were left.
            await page.close();
            s.run.child.kill('SIGTERM');
            await s.run.exited;
            s.run = await startProgram(program, ['--data-dir', data, '--device', device]);
            s.page = await open(s.run);
            await tapToolButton(s.page, device, 'Flashcards');
            const [mine2, theirs2] = await order(s.page);
            assert.ok(mine2 < theirs2, 'the order is kept');
            const quant2 = await waitShown(s.page, "Vessark's Quant");
            const known = (await s.page.evaluate(() => [...document.querySelectorAll('.text > span')]
                .filter((n) => /^known: /.test(n.textContent)).map((n) => {
                    const r = n.getBoundingClientRect();
                    return { text: n.textContent, y: r.y + r.height / 2 };
                }))).filter((k) => k.y > quant2.y).sort((a, b) => a.y - b.y)[0];
            assert.equal(known.text, 'known: 0.0%');
            await tap(s.page, 'Edit');
            await settled(s.page);
            await tap(s.page, `Work rates ${device}`);
            await waitScreen(s.page, 'Deck Info');
            const first = await waitShown(s.page, 'Nothing ran');
            const second = await waitShown(s.page, 'Together: add the rates');
            assert.ok(first.y < second.y, 'the cards keep their order');
            assert.equal((await shown(s.page, 'A card to delete')).length, 0);
            await shot(s.page, `${device}-restarted-cards`);
        });
    });
}
