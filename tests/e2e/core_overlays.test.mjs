// The shared overlays in a real browser, on the phone and on the tablet: the confirmation panel,
// the loading overlay with its "Close" key, the font-size popup and the about screen each open
// from the showcase's keys, answer a tap on their keys, and go. Screenshots are kept as artefacts.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { cpSync, mkdirSync, mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import {
    artifacts, changing, installShownTexts, launchBrowser, removeProfiles, settled, shownTexts, startProgram, tapText, waitShown,
} from './support.mjs';

const overlays = process.env.ORVA_CORE_OVERLAYS;
let context;
// The program's interface files and pictures, with information that names the maker's addresses.
let bundle;

before(async () => {
    assert.ok(overlays, 'ORVA_CORE_OVERLAYS names the overlays program');
    assert.ok(process.env.ORVA_SOURCE, 'ORVA_SOURCE names the source tree');
    mkdirSync(artifacts, { recursive: true });
    bundle = mkdtempSync(path.join(tmpdir(), 'orvakit-overlays-'));
    for (const folder of ['nibs', 'images']) {
        cpSync(path.join(process.env.ORVA_SOURCE, 'resources', folder), path.join(bundle, folder), { recursive: true });
    }
    writeFileSync(path.join(bundle, 'Info.json'), JSON.stringify({
        CFBundleVersion: '1.0',
        MakerSiteAddress: 'https://maker.example/',
        MakerForumAddress: 'https://maker.example/forum/',
        SupportMailAddress: 'help@maker.example',
    }));
    context = await launchBrowser({ viewport: { width: 900, height: 1100 } });
    context.setDefaultTimeout(8000);
    await installShownTexts(context);
});

after(async () => {
    await context?.close();
    removeProfiles();
    if (bundle) rmSync(bundle, { recursive: true, force: true });
});


for (const device of ['phone', 'tablet']) {
    describe(`the shared overlays on the ${device}`, () => {
        let program;
        let page;
        const shot = (name) => page.screenshot({ path: path.join(artifacts, `core_overlays-${device}-${name}.png`) });

        before(async () => {
            program = await startProgram(overlays, ['--device', device, '--resources', bundle]);
            page = await context.newPage();
            await page.goto(program.address);
            await page.evaluate(() => document.fonts.ready);
            await waitShown(page, 'Confirmation');
            await settled(page);
        });
        after(async () => {
            await page?.close().catch(() => {});
            program?.child.kill('SIGTERM');
        });

        test('the confirmation panel rises with its question and answers each key', async () => {
            await tapText(page, 'Confirmation');
            await waitShown(page, 'Delete the deck "Idioms" and its 40 cards?');
            await settled(page);  // the panel has risen
            await shot('confirm');
            // The keys' stretched faces are drawn whole, each on a canvas of the key's size.
            assert.ok(await page.locator('canvas.ninepart').count() >= 2);
            // Each key answers, and the panel goes down below the screen.
            await changing(page, () => tapText(page, 'Confirm'));
            assert.equal(await program.next(/^(Confirm|Cancel)$/), 'Confirm');
            await changing(page, () => tapText(page, 'Confirmation'));
            await changing(page, () => tapText(page, 'Cancel'));
            assert.equal(await program.next(/^(Confirm|Cancel)$/), 'Cancel');
        });

        test('the loading overlay covers the screen until its Close key', async () => {
            await tapText(page, 'Loading');
            await waitShown(page, 'Opening the tool, still saving...');
            await settled(page);
            await shot('loading');
            // The keys below are covered: a tap on one reaches the overlay, not the key.
            await tapText(page, 'About');
            await tapText(page, 'Close');
            assert.equal(await program.next(/^MNotificationLoadingViewCanceled$|^ToolDoneNotification$/),
                'MNotificationLoadingViewCanceled');
            await waitShown(page, 'Opening the tool, still saving...', { gone: true });
            await settled(page);
        });

        test('the font-size popup steps the size within its limits', async () => {
            await tapText(page, 'Font size');
            await waitShown(page, 'A+');
            await settled(page);  // faded in
            await shot('font');
            await tapText(page, 'A+');
            assert.equal(await program.next(/^font /), 'font 14');
            await tapText(page, 'A−');
            await tapText(page, 'A−');
            assert.equal(await program.next(/^font /), 'font 13');
            assert.equal(await program.next(/^font /), 'font 12');
            await tapText(page, 'Font size');
            await waitShown(page, 'A+', { gone: true });
            await settled(page);
        });

        test('the about screen shows the version and its Done key ends it', async () => {
            await tapText(page, 'About');
            await waitShown(page, 'Email us');
            await settled(page);  // the subviews have faded in
            await shot('about');
            const version = await page.locator('.text > span', { hasText: /^v\d/ }).first().textContent();
            assert.match(version, /^v1\.0/);
            assert.equal((await shownTexts(page, 'https://maker.example/')).length, 1);
            await tapText(page, 'Done');
            assert.equal(await program.next(/^ToolDoneNotification$/), 'ToolDoneNotification');
            await waitShown(page, 'Email us', { gone: true });
            await settled(page);
        });
    });
}
