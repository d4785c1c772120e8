// The store and an interactive book bought in it, in the real program on the phone and the tablet.
// The bundle names a local fake content server (catalogue and e-books) and sells two products: an
// interactive book, "Geometry Drills", and a plain e-book with an annotation page, whose download
// is an archive that holds no book. The program keeps its data in a folder given as a relative path,
// as people type it. A person opens the store, reads the plain book's annotation, buys the plain book
// and is told, in an alert and on its row, that it could not be installed; buys the interactive
// book and watches it install;
// opens it in the library, answers a question on its page and sees the page mark the answer, the
// contents' pie of the page and the book's tag cloud. After a restart the answer is still marked;
// the book's history is then deleted. Screenshots of every step are kept as artefacts, and the time
// from the tap on an answer to its mark on the page is written to store-<device>-answer.json.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync, writeFileSync } from 'node:fs';
import path from 'node:path';
import {
    artifacts, settled, tapPicture, tapSettled, tapToolButton, tapUntil, untilFrameTexts, untilShown,
    useBrowser, waitShown, webFrame, withRestartableProgram,
} from './support.mjs';
import { contentChecks, geometryDrills, start as startServices, storeRoutes, zipOf } from './fake_services.mjs';

const program = process.env.ORVAKIT;
const source = process.env.ORVA_SOURCE;
assert.ok(program && source, 'ORVAKIT and ORVA_SOURCE name the program and its sources');
const browser = useBrowser({ viewport: { width: 900, height: 1150 } });

const drills = 'org.orvakit.studykit.geometry_drills';
const reasoning = 'org.orvakit.studykit.critical_reasoning';
let services;
before(async () => {
    for (const [name, check] of Object.entries(contentChecks)) assert.ok(check(), `the content check ${name}`);
    const script = readFileSync(path.join(source, 'resources/eBooks/Sample/OEBPS/book.js'), 'utf8');
    services = await startServices({
        routes: storeRoutes({
            products: [
                { id: drills, order: 1, version: 1, title: 'Geometry Drills', subTitle: 'Interactive practice',
                    author: 'Orvakit tests', picId: 'IB_example', kind: 'i_v1', isNew: true },
                { id: reasoning, order: 2, version: 1, title: 'Critical Reasoning', subTitle: 'Study guide',
                    author: 'Orvakit tests', picId: 'MORVA_CR_6', kind: '' },
            ],
            contents: {
                [drills]: geometryDrills(script),
                [reasoning]: zipOf({ 'notes.txt': 'An archive with notes in it, and no book.' }),
            },
            // Long enough to see the row download.
            delay: 1500,
        }),
    });
});
after(() => services?.stop());

// The program's resources with the content server named and the two products sold.
function bundleFor(prefix) {
    const bundle = browser.bundle(prefix, { ORVAStoreContentServer: `${services.base}/store/` });
    writeFileSync(path.join(bundle, 'StoreProducts.json'), JSON.stringify([
        { productIdentifier: drills, localizedDescription: 'Two drills on angles and circles, answered on the page.',
            price: '0.99', currencySymbol: '$' },
        { productIdentifier: reasoning, localizedDescription: 'Arguments, their assumptions and conclusions.',
            price: '4.99', currencySymbol: '$' },
    ]));
    return bundle;
}

// A tap on the text once it stands still (screens slide in).
function tap(page, text) {
    return tapSettled(page, text);
}
const gone = (page, text) => waitShown(page, text, { gone: true });

// The page of the interactive book on top.
const bookPage = (page) => page.frameLocator(`${webFrame}:visible`).last();
const mark = (page, key) => bookPage(page).locator(`.question[data-key="${key}"] .mark`);

for (const device of ['phone', 'tablet']) {
    describe(`the store and an interactive book on the ${device}`, () => {
        const s = withRestartableProgram(browser, program,
            { prefix: 'orvakit-store', device, resources: () => bundleFor(`orvakit-store-${device}-`), relativeData: true });
        const shot = async (name) => {
            await settled(s.page);
            await s.page.screenshot({ path: path.join(artifacts, `store-${device}-${name}.png`) });
        };
        // From the home screen to the page of the bought book.
        const openBookPage = async () => {
            const { page } = s;
            await tapToolButton(page, device, 'Library');
            await tap(page, 'Geometry Drills');
            await tap(page, 'Angles and circles');
            await bookPage(page).locator('text=What is the area of a circle').waitFor({ timeout: 15000 });
        };
        test('the store lists the catalogue by kind and shows an annotation', async () => {
            const { page } = s;
            await tapToolButton(page, device, 'Store');
            await waitShown(page, 'Interactive Books');
            await waitShown(page, 'eBooks');
            await waitShown(page, 'Geometry Drills');
            await waitShown(page, '$4.99');
            await shot('catalogue');
            await tapPicture(page, 'info');
            await untilFrameTexts(page, (texts) => texts.some((t) => t.includes('How arguments are built')), 'the annotation');
            await shot('annotation');
            await tap(page, 'Store');
            await untilFrameTexts(page, (texts) => !texts.some((t) => t.includes('How arguments are built')),
                'the annotation closed');
        });

        test('a book that cannot be installed says so in an alert and on its row', async () => {
            const { page } = s;
            await tap(page, 'Critical Reasoning');
            await waitShown(page, 'Buy Critical Reasoning?');
            await tap(page, 'Buy');
            await waitShown(page, 'Uploading of the content failed');
            await waitShown(page, 'The content could not be installed.');
            await shot('install-failed-alert');
            await tapUntil(page, 'Ok', untilShown(page, 'Ok', { gone: true }));
            // The row offers the book again and says why it is not installed.
            await waitShown(page, 'Could not be installed. Tap to try again.');
            await waitShown(page, '$4.99');
            await shot('install-failed-row');
        });

        test('the interactive book is bought and installs', async () => {
            const { page } = s;
            await tap(page, 'Geometry Drills');
            await waitShown(page, 'Buy Geometry Drills?');
            await shot('buy');
            await tap(page, 'Buy');
            await waitShown(page, 'Loading...');
            await shot('loading');
            // Unpacked and installed: the row's installed mark, without price or new mark.
            await page.locator('img[src*="news_feed_checked"]:visible').waitFor({ timeout: 20000 });
            await gone(page, 'Parsing...');
            await gone(page, '$0.99');
            await shot('installed');
            await tap(page, 'Done');
            await waitShown(page, 'Library');
        });

        test('an answer on the page is marked and counts in the pie and the cloud', async () => {
            const { page } = s;
            await openBookPage();
            await shot('page');
            // The time from the tap to the mark, by the page's own clock.
            await bookPage(page).locator('body').evaluate(() => {
                window.answerTiming = { start: null, end: null };
                const target = document.querySelector('.question[data-key="Geometry_1_1"] .mark');
                document.addEventListener('click', () => { window.answerTiming.start = performance.now(); },
                    { capture: true, once: true });
                new MutationObserver(() => {
                    if (window.answerTiming.end === null && target.textContent === 'Answered right')
                        window.answerTiming.end = performance.now();
                }).observe(target, { childList: true, characterData: true, subtree: true });
            });
            await bookPage(page).locator('a[href$="Geometry_1_1:right:B"]').dispatchEvent('click');
            await mark(page, 'Geometry_1_1').filter({ hasText: 'Answered right' }).waitFor();
            const timing = await bookPage(page).locator('body').evaluate(() => window.answerTiming);
            writeFileSync(path.join(artifacts, `store-${device}-answer.json`),
                JSON.stringify({ tapToMarkMs: timing.end - timing.start }));
            await shot('answered');

            await tap(page, 'Contents');
            await waitShown(page, 'Angles and circles');
            await shot('contents-pie');
            await tapPicture(page, 'tb_cloud');
            await waitShown(page, 'ANGLES');
            await waitShown(page, 'AREA');
            await shot('cloud');
            await tap(page, 'Contents');
            await gone(page, 'ANGLES');
            await tap(page, 'Library');
            await tap(page, 'Done');
            await waitShown(page, 'Library');
        });

        test('after a restart the answer is kept, and deleting the history clears it', async () => {
            await s.end();
            await s.launch();
            const { page } = s;
            await openBookPage();
            await mark(page, 'Geometry_1_1').filter({ hasText: 'Answered right' }).waitFor();
            await shot('after-restart');
            await tap(page, 'Contents');
            await tapPicture(page, 'tb_clear');
            await waitShown(page, 'Delete');
            await shot('delete-sheet');
            await tap(page, 'Delete');
            await gone(page, 'Delete');
            await shot('deleted-contents');
            await tap(page, 'Angles and circles');
            await bookPage(page).locator('text=What is the area of a circle').waitFor();
            await bookPage(page).locator('.question[data-key="Geometry_1_1"].none').waitFor();
            assert.equal(await mark(page, 'Geometry_1_1').textContent(), '');
            await shot('history-deleted');
        });
    });
}
