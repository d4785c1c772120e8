// The library of the real program on the phone and on the tablet. From the home screen the Library
// button opens the list of books and links; a section of links is collapsed and expanded again. The
// study guide is read forward and back in the page reader (a page loaded ahead comes at once, a
// move against the direction waits for its page), with a larger font. The Sample book's contents
// open its pages; a practice question keeps its worked answer hidden until it is answered, then
// marks the choice and the right one. An article row closes the library and opens the forum on the
// article.
// Screenshots are kept as artefacts, and the time from "next" to the new page is written to
// library-<device>-paging.json.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { writeFileSync } from 'node:fs';
import path from 'node:path';
import {
    actUntil, artifacts, changing, openProgram, settled, tapPicture, tapSettled, tapText, tapToolButton,
    tapUntil, tapUntilShown, untilFrameTexts, untilShown, useBrowser, waitShown, webFrame, withProgram,
} from './support.mjs';
import { forumRoutes, start as startServices } from './fake_services.mjs';

const program = process.env.ORVAKIT;
const source = process.env.ORVA_SOURCE;
const browser = useBrowser({ viewport: { width: 900, height: 1150 } });
// The local fake forum, with the first article of the library's list among its topics.
let services;
const article = '<html><body><h1>The official site</h1><p>Where to register for the test.</p></body></html>';
before(async () => {
    assert.ok(program && source, 'ORVAKIT and ORVA_SOURCE name the program and its sources');
    const forum = forumRoutes();
    const topics = forum['/forum/viewtopic.php'];
    services = await startServices({ routes: { ...forum,
        '/forum/viewtopic.php': (req) => (req.query.get('t') === '2001' ? article : topics(req)) } });
});
after(() => services?.stop());

// A copy of the program's resources with a forum configured (the display serves no file through a
// link that leads out of the resources).
const resourcesWithForum = () =>
    browser.bundle('orvakit-library-resources-', { MakerForumAddress: `${services.base}/forum/` });

// A tap on the text once the page is at rest (screens slide in).
function tap(page, text, options = {}) {
    return tapSettled(page, text, options);
}
// From a page of a book back to the library: the reader's Contents key, then the contents' Library
// key, each tapped until the next screen's own mark shows.
async function backToLibrary(page) {
    await tapUntilShown(page, 'Contents', 'Library');
    await tapUntilShown(page, 'Library', 'eBooks [2]');
}
const gone = (page, text, options = {}) => waitShown(page, text, { ...options, gone: true });
// A tap on a section's header, which folds or unfolds it; the next step waits for the program's
// answer, so that a header tapped next is not looked for where it stood before the rows moved.
async function toggle(page, text) {
    await waitShown(page, text);
    await settled(page);
    await changing(page, () => tapText(page, text));
}

// The frame on top: the reader's front page is the last web view in the screen's order.
// It is looked for anew at each use: a page that is still coming when the step begins is the front
// one by the time the step looks into it.
async function frontFrame(page) {
    await page.locator(`${webFrame}:visible`).first().waitFor();
    return page.frameLocator(`${webFrame}:visible`).last();
}

// Taps a paging key and answers the milliseconds, by the page's clock, from the touch to the new
// page's title on screen.
async function page(p, key, title) {
    const pictures = p.locator(`img[src*="${key}"]:visible`);
    await pictures.first().waitFor();
    await settled(p);
    const box = await pictures.last().boundingBox();
    await p.evaluate((t) => {
        // The contents under the reader show the title too: the new one is one more.
        const paging = { start: null, end: null, before: window.shownTexts(t).length };
        window.paging = paging;
        document.addEventListener('pointerdown', () => { paging.start = performance.now(); },
            { capture: true, once: true });
        const observer = new MutationObserver(() => {
            if (paging.start === null || window.shownTexts(t).length <= paging.before) return;
            paging.end = performance.now();
            observer.disconnect();
        });
        observer.observe(document.body, { subtree: true, childList: true, characterData: true, attributes: true });
    }, title);
    await p.mouse.click(box.x + box.width / 2, box.y + box.height / 2);
    await p.waitForFunction(() => window.paging.end !== null);
    return p.evaluate(() => window.paging.end - window.paging.start);
}

for (const device of ['phone', 'tablet']) {
    describe(`the library on the ${device}`, () => {
        const s = withProgram(program, () => ['--data-dir', browser.folder('orvakit-library-'), '--device', device,
            '--resources', resourcesWithForum()], (address) => openProgram(browser.context, address, { tip: true }));
        const shot = async (name) => {
            await settled(s.page);
            await s.page.screenshot({ path: path.join(artifacts, `library-${device}-${name}.png`) });
        };

        test('the library lists books and links in collapsible sections', async () => {
            const { page: p } = s;
            await tapToolButton(p, device, 'Library');
            await shot('opened');
            await waitShown(p, 'eBooks [2]');
            await waitShown(p, 'Interactive Books [1]');
            await waitShown(p, 'The ORVA Uncovered');
            await shot('library');
            await tap(p, 'Interactive Books [1]');
            await gone(p, '[Try-it] Interactive Book');
            await shot('collapsed');
            await tap(p, 'Interactive Books [1]');
            await waitShown(p, '[Try-it] Interactive Book');
        });

        test('the study guide reads forward and back with a larger font', async () => {
            const { page: p } = s;
            await tapUntilShown(p, 'The ORVA Uncovered', 'Scoring');
            await shot('guide');
            await tap(p, 'Introduction');
            const frame = await frontFrame(p);
            await frame.locator('text=This guide walks you through').waitFor();
            await shot('introduction');
            const times = { preloaded: [], loaded: [] };
            // Forward pages come loaded ahead; a move against the direction loads its page.
            times.preloaded.push(await page(p, 'Practice_next', 'The Format of the Exam'));
            times.preloaded.push(await page(p, 'Practice_next', 'AWA'));
            times.preloaded.push(await page(p, 'Practice_next', 'Quantitative Section'));
            times.loaded.push(await page(p, 'Practice_prev', 'AWA'));
            times.preloaded.push(await page(p, 'Practice_prev', 'The Format of the Exam'));
            times.loaded.push(await page(p, 'Practice_next', 'AWA'));
            const median = (list) => list.slice().sort((a, b) => a - b)[Math.floor(list.length / 2)];
            writeFileSync(path.join(artifacts, `library-${device}-paging.json`),
                JSON.stringify({ ...times, medianPreloaded: median(times.preloaded), medianLoaded: median(times.loaded) }));
            await (await frontFrame(p)).locator('text=Analysis of an Argument').first().waitFor();
            await shot('awa');

            await tapPicture(p, 'tb_Aa');
            await tap(p, 'A+');
            const body = (await frontFrame(p)).locator('body');
            await body.evaluate((b) => new Promise((resolve) => {
                const check = () => (b.style.fontSize === '14pt' ? resolve() : requestAnimationFrame(check));
                check();
            }));
            await shot('larger');
            await tapPicture(p, 'tb_Aa');
            await backToLibrary(p);
        });

        test('the Sample book opens its pages', async () => {
            const { page: p } = s;
            await tapUntilShown(p, '[Try-it] Interactive Book', 'Turning pages');
            await shot('sample');
            await tap(p, 'Welcome');
            await waitShown(p, 'Welcome');
            await (await frontFrame(p)).locator('body').waitFor();
            await shot('sample-page');
            await backToLibrary(p);
        });

        test('a question of the Sample book shows its worked answer only once answered', async () => {
            const { page: p } = s;
            await tapUntilShown(p, '[Try-it] Interactive Book', 'Fractions and decimals');
            await tap(p, 'Fractions and decimals');
            const frame = await frontFrame(p);
            const question = (key) => frame.locator(`.question[data-key="${key}"]`);
            const choice = (key, letter) => question(key).locator(`li:has(a[href$=":${letter}"])`);
            await question('Sample_1_2').waitFor();
            await shot('sample-unanswered');
            assert.equal(await frame.locator('.explanation').count(), 2, 'each question has its worked answer');
            assert.equal(await frame.locator('.explanation:visible').count(), 0, 'unanswered questions keep their answers');
            // The element gets the tap itself: the driver places clicks in a frame of the scaled
            // device wrongly. One retried step: tap until the page marks the answer.
            const answer = (key, letter, status) => actUntil(
                () => question(key).locator(`a[href$=":${letter}"]`).dispatchEvent('click'),
                (timeout) => frame.locator(`.question.${status}[data-key="${key}"]`).waitFor({ timeout }), { page: p });
            await answer('Sample_1_1', 'A', 'wrong');
            await question('Sample_1_1').locator('.explanation').waitFor({ state: 'visible' });
            assert.match(await choice('Sample_1_1', 'A').getAttribute('class'), /\bchosen\b/, 'the wrong choice is marked');
            assert.match(await choice('Sample_1_1', 'B').getAttribute('class'), /\bcorrect\b/, 'the right choice is marked');
            assert.equal(await frame.locator('.explanation:visible').count(), 1, 'the next question keeps its answer');
            await answer('Sample_1_2', 'D', 'right');
            await question('Sample_1_2').locator('.explanation').waitFor({ state: 'visible' });
            assert.match(await choice('Sample_1_2', 'D').getAttribute('class'), /\bchosen\b.*\bcorrect\b|\bcorrect\b.*\bchosen\b/);
            assert.equal(await frame.locator('li.chosen').count(), 2, 'one choice marked per answer');
            // Scrolled in the frame alone, so that both answered questions show.
            await question('Sample_1_1').evaluate((e) => window.scrollTo(0, e.getBoundingClientRect().top + window.scrollY - 8));
            await shot('sample-answered');
            await tapUntilShown(p, 'Contents', 'Library');
            await shot('sample-contents-answered');
            await tapUntilShown(p, 'Library', 'eBooks [2]');
        });

        test('an article row closes the library and opens the forum', async () => {
            const { page: p } = s;
            // The sections above the articles fold away, so that the articles come into sight.
            for (const header of ['Interactive Books [1]', 'eBooks [2]', 'Tovrida Review Series [5]',
                'iPhone / iPod Touch / iPad [4]'])
                await toggle(p, header);
            await toggle(p, 'ORVA Resources (online) [21]');
            await gone(p, 'Official ORVA site');
            await shot('folded');
            // A header is a switch: a tap that took effect shows the rows within moments, so only a
            // tap that had none is made again.
            await tapUntil(p, 'ORVA Resources (online) [21]', untilShown(p, 'Official ORVA site'));
            await shot('articles');
            await tap(p, 'Official ORVA site');
            await gone(p, 'Tovrida Review Series [5]');
            // The forum tool comes over the home screen (whose button captions fade away) and shows
            // the article, fetched from the local forum.
            await gone(p, 'Library');
            await untilFrameTexts(p, (texts) => texts.some((t) => t.includes('Where to register for the test.')),
                'the article in the forum browser');
            await shot('forum');
        });
    });
}
