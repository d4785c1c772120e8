// The shared overlays in a real browser, on the phone and on the tablet: the confirmation panel,
// the loading overlay with its "Close" key, the font-size popup and the about screen each open
// from the showcase's keys, answer a tap on their keys, and go. Screenshots are kept as artefacts.
import { test, describe, before } from 'node:test';
import assert from 'node:assert/strict';
import { cpSync, writeFileSync } from 'node:fs';
import path from 'node:path';
import {
    artifacts, handled, settled, shownTexts, tapAndWait, tapText, tapUntil, untilShown, useBrowser, waitShown, withProgram,
} from './support.mjs';

const overlays = process.env.ORVA_CORE_OVERLAYS;
assert.ok(overlays, 'ORVA_CORE_OVERLAYS names the overlays program');
assert.ok(process.env.ORVA_SOURCE, 'ORVA_SOURCE names the source tree');
const browser = useBrowser();
// The program's interface files and pictures, with information that names the maker's addresses.
const bundle = browser.folder('orvakit-overlays-');

before(() => {
    for (const folder of ['nibs', 'images']) {
        cpSync(path.join(process.env.ORVA_SOURCE, 'resources', folder), path.join(bundle, folder), { recursive: true });
    }
    writeFileSync(path.join(bundle, 'Info.json'), JSON.stringify({
        CFBundleVersion: '1.0',
        MakerSiteAddress: 'https://maker.example/',
        MakerForumAddress: 'https://maker.example/forum/',
        SupportMailAddress: 'help@maker.example',
    }));
});

// The showcase in a page, once its keys are drawn and at rest.
async function openShowcase(address) {
    const page = await browser.context.newPage();
    await page.goto(address);
    await page.evaluate(() => document.fonts.ready);
    await waitShown(page, 'Confirmation');
    await settled(page);
    return page;
}

for (const device of ['phone', 'tablet']) {
    describe(`the shared overlays on the ${device}`, () => {
        const s = withProgram(overlays, ['--device', device, '--resources', bundle], openShowcase);
        const shot = (name) => s.page.screenshot({ path: path.join(artifacts, `core_overlays-${device}-${name}.png`) });

        test('the confirmation panel rises with its question and answers each key', async () => {
            const { page, run: program } = s;
            const question = 'Delete the deck "Idioms" and its 40 cards?';
            await tapUntil(page, 'Confirmation', untilShown(page, question));  // risen
            await settled(page);
            await shot('confirm');
            // The keys' stretched faces are drawn whole, each on a canvas of the key's size.
            assert.ok(await page.locator('canvas.ninepart').count() >= 2);
            // Each key answers, and the panel goes down below the screen.
            await tapUntil(page, 'Confirm', untilShown(page, question, { gone: true }));
            assert.equal(await program.next(/^(Confirm|Cancel)$/), 'Confirm');
            await tapUntil(page, 'Confirmation', untilShown(page, question));
            await tapUntil(page, 'Cancel', untilShown(page, question, { gone: true }));
            assert.equal(await program.next(/^(Confirm|Cancel)$/), 'Cancel');
        });

        test('the loading overlay covers the screen until its Close key', async () => {
            const { page, run: program } = s;
            await tapUntil(page, 'Loading', untilShown(page, 'Opening the tool, still saving...'));
            await settled(page);
            await shot('loading');
            // The keys below are covered: a tap on one reaches the overlay, not the key. The key is
            // one clear of the overlay's own Close key (on the phone that lies over About).
            await tapText(page, 'Confirmation');
            await handled(page);
            await settled(page);
            assert.equal((await shownTexts(page, 'Opening the tool, still saving...')).length, 1, 'the overlay stays');
            await tapUntil(page, 'Close', untilShown(page, 'Opening the tool, still saving...', { gone: true }));
            assert.equal(await program.next(/^MNotificationLoadingViewCanceled$|^ToolDoneNotification$/),
                'MNotificationLoadingViewCanceled');
        });

        test('the font-size popup steps the size within its limits', async () => {
            const { page, run: program } = s;
            await tapUntil(page, 'Font size', untilShown(page, 'A+'));  // faded in
            await settled(page);
            await shot('font');
            await tapText(page, 'A+');
            assert.equal(await program.next(/^font /), 'font 14');
            await tapText(page, 'A−');
            await tapText(page, 'A−');
            assert.equal(await program.next(/^font /), 'font 13');
            assert.equal(await program.next(/^font /), 'font 12');
            await tapAndWait(page, 'Font size', 'A+', { gone: true });
        });

        test('the about screen shows the version and its Done key ends it', async () => {
            const { page, run: program } = s;
            await tapUntil(page, 'About', untilShown(page, 'Email us'));  // the subviews have faded in
            await settled(page);
            await shot('about');
            const version = await page.locator('.text > span', { hasText: /^v\d/ }).first().textContent();
            assert.match(version, /^v1\.0/);
            assert.equal((await shownTexts(page, 'https://maker.example/')).length, 1);
            await tapUntil(page, 'Done', untilShown(page, 'Email us', { gone: true }));
            assert.equal(await program.next(/^ToolDoneNotification$/), 'ToolDoneNotification');
        });
    });
}
