// Decks from the flashcard-sharing service in the real program, on the phone and on the tablet. The
// bundle's information names a stand-in for the service that this file runs on the loopback
// interface, answering from the fixture replies and pictures of tests/fixtures/flashcard_service.
// From the flashcards tool's add sheet the person searches, pages on and back, opens a set, renames
// it in the deck editor and adds it, adds a second set, meets a reply that cannot be read, and
// leaves: both decks are listed with the imported decks' icon, and the first card of the renamed
// deck shows its picture. Screenshots of every step are kept as artefacts.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import path from 'node:path';
import {
    artifacts, assertCardTextCentred, cardBox, changing, drag, openProgram, pictureCentre, scrollUntilShown, settled,
    shownTexts, startProgram, tapText, toolButton, typeInto, untilFrameTexts, useBrowser, waitShown,
} from './support.mjs';
import { flashcardServiceRoutes, start } from './fake_services.mjs';

const program = process.env.ORVAKIT;
const source = process.env.ORVA_SOURCE;
assert.ok(program, 'ORVAKIT names the program');
assert.ok(source, 'ORVA_SOURCE names the source tree');
const fixtures = path.join(source, 'tests', 'fixtures', 'flashcard_service');
const browser = useBrowser({ viewport: { width: 900, height: 1150 }, timeout: 15000 });

// ---- The stand-in for the service

let service;
let bundle;
const searches = () => service.requests.filter((r) => r.path === '/1.0/sets').map((r) => r.query.get('q'));
// The stand-in listening, and the program's resources with information that names it.
before(async () => {
    service = await start({ routes: flashcardServiceRoutes(fixtures) });
    bundle = browser.bundle('orvakit-service-bundle-', { FlashcardServiceAddress: service.base });
});
after(() => service?.stop());

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
// The pictures drawn from bytes (not bundle images) that are shown, by their natural size.
const drawnPictures = (page) => page.evaluate(() => [...document.querySelectorAll('img')]
    .filter((img) => img.src.startsWith('data:image/') && img.offsetParent !== null && img.complete)
    .map((img) => `${img.naturalWidth}x${img.naturalHeight}`));

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
            await site.waitForURL(`${service.base}/`);
            await site.close();

            await typeInto(page, 'input', 'statistics', { enter: true });
            await waitShown(page, 'Page 1 of 3');
            await waitShown(page, 'Statistics vocabulary');
            await settled(page);
            assert.equal(searches().at(-1), 'statistics');
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
            await typeInto(page, 'input', title, { nth: 1, replace: true });
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
            // A set without pictures keeps the first face look.
            await tapThen(page, 'Sentence correction idioms', 'New Deck');
            await waitShown(page, 'consider X Y');
            await tapThen(page, 'Add', 'Confirm');
            await page.waitForFunction(() => window.shownTexts('\u2713 added').length === 3);
            await settled(page);

            // A reply that cannot be read says so; the results stay.
            await tapThen(page, 'Search', 'Back to Results');
            await typeInto(page, 'input', 'broken', { replace: true, enter: true });
            await untilFrameTexts(page, (texts) => texts.some((t) => t.startsWith("Quizlet's reply could not be read.")),
                'the reply that cannot be read is said');
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
            // The term stands in the middle of the card, above its picture.
            await assertCardTextCentred(page, 'a card with a picture');
            await shot(page, `${device}-card-picture`);
            await tapText(page, 'Back');
            if (device === 'phone') await changing(page, () => page.click('#rotate-right'));
            await waitShown(page, 'Main');
            assert.deepEqual((await shownTexts(page, title)).length, 1);

            // So does the term of a deck without pictures.
            const voices = await waitShown(page, 'Voices');
            const plain = await scrollUntilShown(page, 'Sentence correction idioms', voices,
                { bottom: device === 'phone' ? 420 : 950 });
            await page.mouse.click(plain.x, plain.y);
            await page.waitForFunction(() => document.querySelectorAll('.el[data-tag="2"]').length >= 2);
            if (device === 'phone') await changing(page, () => page.click('#rotate-left'));
            await waitShown(page, 'I know');
            await assertCardTextCentred(page, 'a card without a picture');
            await shot(page, `${device}-card-plain`);
            await tapText(page, 'Back');
            if (device === 'phone') await changing(page, () => page.click('#rotate-right'));
            await waitShown(page, 'Main');
        });
    });
}
