// Decks from the flashcard-sharing service in the real program, on the phone and on the tablet. The
// bundle's information names a stand-in for the service that this file runs on the loopback
// interface, answering from the fixture replies and pictures of tests/fixtures/flashcard_service.
// From the flashcards tool's add sheet the person searches, pages on and back, opens a set, renames
// it in the deck editor and adds it, adds a second set, meets a reply that cannot be read, and
// leaves: both decks are listed with the imported decks' icon, and the first card of the renamed
// deck shows its picture. Screenshots of every step are kept as artefacts.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { cpSync, readFileSync, writeFileSync } from 'node:fs';
import { createServer } from 'node:http';
import path from 'node:path';
import {
    artifacts, changing, openProgram, settled, shownTexts, startProgram, tapText, toolButton, useBrowser, waitShown,
} from './support.mjs';

const program = process.env.ORVAKIT;
const source = process.env.ORVA_SOURCE;
assert.ok(program, 'ORVAKIT names the program');
assert.ok(source, 'ORVA_SOURCE names the source tree');
const fixtures = path.join(source, 'tests', 'fixtures', 'flashcard_service');
const browser = useBrowser({ viewport: { width: 900, height: 1150 }, timeout: 15000 });

// ---- The stand-in for the service

const searches = [];
const service = createServer((req, res) => {
    const url = new URL(req.url, 'http://127.0.0.1');
    const base = `http://127.0.0.1:${service.address().port}`;
    if (url.pathname === '/1.0/sets') {
        searches.push(url.searchParams.get('q'));
        if (url.searchParams.get('q') === 'broken') {
            res.writeHead(200, { 'Content-Type': 'application/json' }).end('{"sets": [');
            return;
        }
        const page = Number(url.searchParams.get('page'));
        const body = readFileSync(path.join(fixtures, `page${page}.json`), 'utf8').replaceAll('{{SERVER}}', base);
        res.writeHead(200, { 'Content-Type': 'application/json' }).end(body);
        return;
    }
    if (url.pathname === '/') {
        res.writeHead(200, { 'Content-Type': 'text/html' }).end('<!DOCTYPE html><title>Sets</title><p>The stand-in service.</p>');
        return;
    }
    const picture = /^\/pictures\/(\w+)\.png$/.exec(url.pathname);
    if (picture) {
        res.writeHead(200, { 'Content-Type': 'image/png' }).end(readFileSync(path.join(fixtures, 'pictures', `${picture[1]}.png`)));
        return;
    }
    res.writeHead(404).end();
});
after(() => new Promise((resolve) => service.close(resolve)));

// The stand-in listening, and the program's resources with information that names it.
let bundle;
before(async () => {
    await new Promise((resolve) => service.listen(0, '127.0.0.1', resolve));
    bundle = browser.folder('orvakit-service-bundle-');
    cpSync(path.join(source, 'resources'), bundle, { recursive: true });
    const info = JSON.parse(readFileSync(path.join(bundle, 'Info.json'), 'utf8'));
    info.FlashcardServiceAddress = `http://127.0.0.1:${service.address().port}`;
    writeFileSync(path.join(bundle, 'Info.json'), JSON.stringify(info, null, 2));
});

// ---- Steps

const shot = async (page, name) => {
    await settled(page);
    await page.screenshot({ path: path.join(artifacts, `flashcards_service-${name}.png`) });
};
// Taps the text on top once the page is at rest, then waits until another text is shown.
async function tapThen(page, text, shown, { pattern = false } = {}) {
    await waitShown(page, text);
    await settled(page);
    await tapText(page, text);
    await waitShown(page, shown, { pattern });
    await settled(page);
}
// Types into the visible text entry that matches the selector (the nth), tapped as a finger would,
// replacing what it held; with `enter`, the keyboard's return key follows.
async function typeInto(page, selector, text, { nth = 0, enter = false } = {}) {
    const field = page.locator(`${selector}:visible`).nth(nth);
    const box = await field.boundingBox();
    await page.mouse.click(box.x + box.width / 2, box.y + box.height / 2);
    await page.waitForFunction(([sel, n]) => document.activeElement === [...document.querySelectorAll(sel)]
        .filter((e) => e.offsetParent !== null)[n], [selector, nth]);
    // The old text is taken back key by key: a selection would bring up the edit menu.
    await page.keyboard.press('End');
    for (let n = (await field.inputValue()).length; n > 0; n--) await page.keyboard.press('Backspace');
    await page.keyboard.type(text);
    if (enter) await page.keyboard.press('Enter');
    await settled(page);
}
// The texts of the shown web pages (frames that are visible), read in the frames themselves.
async function pageTexts(page) {
    const texts = [];
    for (const frame of page.frames()) {
        if (frame === page.mainFrame()) continue;
        const element = await frame.frameElement().catch(() => null);
        if (!element || !(await element.isVisible())) continue;
        texts.push(await frame.evaluate(() => document.body?.innerText ?? '').catch(() => ''));
    }
    return texts.join('\n');
}
async function untilPageText(page, pattern) {
    await page.waitForFunction(() => true);
    const deadline = Date.now() + 10000;
    for (;;) {
        const text = await pageTexts(page);
        if (pattern.test(text)) return text;
        assert.ok(Date.now() < deadline, `no page shows ${pattern}: ${text}`);
        await page.waitForFunction(() => new Promise((resolve) => requestAnimationFrame(() => resolve(true))));
    }
}
// The pictures drawn from bytes (not bundle images) that are shown, by their natural size.
const drawnPictures = (page) => page.evaluate(() => [...document.querySelectorAll('img')]
    .filter((img) => img.src.startsWith('data:image/') && img.offsetParent !== null && img.complete)
    .map((img) => `${img.naturalWidth}x${img.naturalHeight}`));

// The centre of the element the program drew a bundle picture with.
async function pictureCentre(page, name) {
    const box = await page.locator(`img[src*="${name}"]`).first().boundingBox();
    assert.ok(box, `${name} is drawn`);
    return { x: box.x + box.width / 2, y: box.y + box.height / 2 };
}
// The card on top: the frontmost wide view tagged 2.
async function cardBox(page) {
    const boxes = await page.locator('.el[data-tag="2"]').evaluateAll((nodes) => nodes.map((n) => {
        const r = n.getBoundingClientRect();
        return { x: r.x, y: r.y, width: r.width, height: r.height };
    }));
    return boxes.filter((b) => b.width > 100).at(-1);
}
async function drag(page, from, by, steps = 8) {
    await page.mouse.move(from.x, from.y);
    await page.mouse.down();
    for (let i = 1; i <= steps; i++) await page.mouse.move(from.x + by.x * i / steps, from.y + by.y * i / steps);
    await page.mouse.up();
}

for (const device of ['phone', 'tablet']) {
    describe(`decks from the sharing service on the ${device}`, () => {
        const s = {};
        before(async () => {
            const data = browser.folder('orvakit-service-data-');
            s.run = await startProgram(program, ['--data-dir', data, '--device', device, '--resources', bundle]);
            s.page = await openProgram(browser.context, s.run.address, { tip: true });
        });
        after(async () => {
            await s.page?.close().catch(() => {});
            s.run?.child.kill('SIGTERM');
            await s.run?.exited;
        });

        test('two sets are found, paged through, previewed, renamed and added', async () => {
            const { page } = s;
            const title = `Data words ${device}`;
            const { x, y } = await toolButton(page, device, 'Flashcards');
            await page.mouse.click(x, y);
            await waitShown(page, "Vessark's Quant");
            await settled(page);
            await tapThen(page, '+', "Add Quizlet's Deck");
            await shot(page, `${device}-add-sheet`);
            await tapThen(page, "Add Quizlet's Deck", 'Find Decks');
            await shot(page, `${device}-search`);

            // The badge opens the service's site in a tab of its own.
            let frame = null;
            for (const f of page.frames()) {
                if (f !== page.mainFrame() && await f.locator('img[alt="Quizlet"]').count().catch(() => 0)) frame = f;
            }
            assert.ok(frame, 'the badge is shown');
            const [site] = await Promise.all([
                browser.context.waitForEvent('page'),
                frame.locator('img[alt="Quizlet"]').click(),
            ]);
            await site.waitForURL(`http://127.0.0.1:${service.address().port}/`);
            await site.close();

            await typeInto(page, 'input', 'statistics', { enter: true });
            await waitShown(page, 'Page 1 of 3');
            await waitShown(page, 'Statistics vocabulary');
            await settled(page);
            assert.equal(searches.at(-1), 'statistics');
            await shot(page, `${device}-results-1`);

            await tapThen(page, '\u25B6', 'Page 2 of 3');
            await waitShown(page, 'Ratios and rates');
            await shot(page, `${device}-results-2`);
            await tapThen(page, '\u25C0', 'Page 1 of 3');
            await waitShown(page, 'Statistics vocabulary');

            // The set's preview, renamed in the deck editor, then added.
            await tapThen(page, 'Statistics vocabulary', 'New Deck');
            await waitShown(page, 'Median');
            await shot(page, `${device}-preview`);
            await tapThen(page, 'Edit Deck Info', 'Confirm');
            await typeInto(page, 'input', title, { nth: 1 });
            await shot(page, `${device}-deck-info`);
            await tapThen(page, 'Confirm', 'Edit Deck Info');
            await page.waitForFunction(() => window.shownTexts('Face look').length === 0);
            await tapThen(page, 'Add', '\u2713 added');
            await waitShown(page, 'Confirm');
            await shot(page, `${device}-added`);

            await tapThen(page, 'Quadrilaterals', 'New Deck');
            await waitShown(page, 'Parallelogram');
            await tapThen(page, 'Add', 'Confirm');
            await page.waitForFunction(() => window.shownTexts('\u2713 added').length === 2);
            await settled(page);

            // A reply that cannot be read says so; the results stay.
            await tapThen(page, 'Search', 'Back to Results');
            await typeInto(page, 'input', 'broken', { enter: true });
            await untilPageText(page, /Quizlet's reply could not be read\./);
            await waitShown(page, 'Back to Results');
            await shot(page, `${device}-unreadable`);
            await tapThen(page, 'Back to Results', 'Page 1 of 3');
            await waitShown(page, 'Statistics vocabulary');

            // Both decks are listed with the imported decks' icon.
            await changing(page, () => tapText(page, 'Confirm'));
            await page.waitForFunction(() => window.shownTexts('Find Decks').length === 0);
            await waitShown(page, title);
            await waitShown(page, 'Quadrilaterals');
            await settled(page);
            const icons = await page.locator('img[src*="fc_icon_quizlet"]:visible').count();
            const backgrounds = await page.evaluate(() => [...document.querySelectorAll('*')]
                .filter((n) => /fc_icon_quizlet/.test(n.style?.backgroundImage ?? '')).length);
            assert.ok(icons + backgrounds >= 2, 'both imported decks show their icon');
            await shot(page, `${device}-list`);

            // The renamed deck's first card shows its picture.
            await tapText(page, title);
            await page.waitForFunction(() => document.querySelectorAll('.el[data-tag="2"]').length >= 2);
            if (device === 'phone') await changing(page, () => page.click('#rotate-left'));
            await waitShown(page, 'I know');
            await settled(page);
            // In the ordered sequence the cards come in turn: the first, with its picture, is among
            // the next four.
            const sequence = await pictureCentre(page, 'fc_btn_sequence_adaptive');
            await changing(page, () => page.mouse.click(sequence.x, sequence.y));
            for (let throws = 0; !(await drawnPictures(page)).includes('12x8'); throws++) {
                assert.ok(throws < 5, `no card picture: ${await drawnPictures(page)}`);
                const card = await cardBox(page);
                const centre = { x: card.x + card.width / 2, y: card.y + card.height / 2 };
                await changing(page, () => drag(page, centre, { x: -card.width * 0.6, y: 0 }));
            }
            await shot(page, `${device}-card-picture`);
            await tapText(page, 'Back');
            if (device === 'phone') await changing(page, () => page.click('#rotate-right'));
            await waitShown(page, 'Main');
            assert.deepEqual((await shownTexts(page, title)).length, 1);
        });
    });
}
