// The practice tool of the real program in a browser. On the phone: Practice opens from the home
// screen; in the filter editor a set is switched off and on and the work set's count follows; the
// person answers questions on the real question page against the running clock (each answer
// revealed with its history, the next key loading the next page), bookmarks one and practises the
// bookmarks; leaving the tool, the statistics count the answers; after a restart the sessions are
// still there. On the tablet the same road is shorter. Screenshots are kept as artefacts, and the
// times from a tap to its result are printed.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import path from 'node:path';
import {
    actUntil, artifacts, changing, dragWaits, filterCount, openProgram, settled, shownTexts, startProgram,
    tapSettled, tapToolButton, tapUntil, tapUntilShown, untilShown, useBrowser, waitShown, webFrame,
    webPagePoint,
} from './support.mjs';

const program = process.env.ORVAKIT;
const browser = useBrowser({ viewport: { width: 900, height: 1150 } });

before(() => assert.ok(program, 'ORVAKIT names the program'));

// A tap on the text once the page is at rest (screens and the filter editor slide in).
function tap(page, text) {
    return tapSettled(page, text);
}
const waitGone = (page, text) => waitShown(page, text, { gone: true });
async function tapImage(page, name) {
    const image = page.locator(`img[src*="${name}"]`).last();
    await image.waitFor({ state: 'visible' });
    const box = await image.boundingBox();
    await page.mouse.click(box.x + box.width / 2, box.y + box.height / 2);
}
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// The program on a data folder of its own (kept across a restart), shown in a page.
function withProgram(device, prepare = null) {
    const s = { device };
    const data = browser.folder(`orvakit-practice-${device}-`);
    if (prepare) before(() => prepare(data));
    s.start = async () => {
        s.run = await startProgram(program, ['--data-dir', data, '--device', device]);
        s.page = await openProgram(browser.context, s.run.address, { tip: true });
    };
    s.end = async () => {
        await s.page?.close().catch(() => {});
        s.run?.child.kill('SIGTERM');
        assert.equal((await s.run?.exited)?.code, 0);
    };
    s.shot = async (name) => {
        await settled(s.page);
        await s.page.screenshot({ path: path.join(artifacts, `practice-${device}-${name}.png`) });
    };
    before(s.start);
    after(s.end);
    return s;
}

// A click on an element of the question page that its frame's element gets itself (the device's
// picture is scaled, under which the browser driver places clicks in frames wrongly). It chooses an
// option as a tap does; the submit key takes only the person's own tap (webPagePoint).
async function tapInPage(locator) {
    await locator.waitFor({ state: 'visible' });
    await locator.dispatchEvent('click');
}

// The question page's frame.
const question = (page) => page.frameLocator(webFrame).last();

// Answers the shown question with the choice and waits for the reveal; answers the time it took.
async function answer(page, letter) {
    const frame = question(page);
    await tapInPage(frame.locator(`#radio${letter}`));
    await frame.locator(`#radio${letter}:checked`).waitFor({ timeout: 5000 });
    await frame.locator('#button').waitFor({ state: 'visible' });
    const key = await webPagePoint(page, '#button');
    const start = performance.now();
    await actUntil(() => page.mouse.click(key.x, key.y),
        (timeout) => frame.locator('#explanation').waitFor({ state: 'visible', timeout }),
        { page, again: async () => (await frame.locator('#button').count()) > 0 });
    const took = performance.now() - start;
    await frame.locator('#history', { hasText: 'current answer' }).waitFor();
    return took;
}

// The pictures of the question page (the course logo, the separator over the explanation) once
// each has finished loading: a picture the display could not serve has no natural size.
async function missingPictures(page) {
    return question(page).locator('img').evaluateAll((images) => Promise.all(images.map((image) =>
        (image.complete ? null : new Promise((done) => { image.onload = done; image.onerror = done; }))))
        .then(() => ({ count: images.length, missing: images.filter((i) => !(i.naturalWidth > 0)).map((i) => i.getAttribute('src')) })));
}
async function assertPicturesLoaded(s) {
    const { count, missing } = await missingPictures(s.page);
    assert.ok(count > 0, 'the page has pictures');
    assert.deepEqual(missing, []);
    // Scrolled in the frame alone: scrolling the image into view would move the device's page too.
    await question(s.page).locator('img').last().evaluate((image) =>
        window.scrollTo(0, image.getBoundingClientRect().top + window.scrollY - window.innerHeight / 2));
    await s.shot('pictures');
    await question(s.page).locator('body').evaluate(() => window.scrollTo(0, 0));
}

// The next key, then the next page's submit key; answers the time from the tap to the new page's
// first paint, as the page itself recorded it (the driver's own polling for the page adds to what it
// sees).
async function next(page) {
    const start = Date.now();
    await tapImage(page, 'Practice_next');
    const frame = question(page);
    await frame.locator('#submit').waitFor({ state: 'visible' });
    const painted = await frame.locator('body').evaluate(() => {
        const paint = performance.getEntriesByName('first-contentful-paint')[0];
        return performance.timeOrigin + (paint ? paint.startTime : performance.now());
    });
    return painted - start;
}

// The question screen's done key, then the dashboard alone.
async function closeQuestion(page) {
    await tap(page, 'Done');
    await page.locator(webFrame).waitFor({ state: 'detached' });
    await waitShown(page, 'Filter and Sets');
    await settled(page);
}

// The numbers the dashboard shows, in page order: all questions, the work set, the bookmarks and
// the questions answered (the review).
const dashboardNumbers = (page) => page.evaluate(() => window.shownTextItems('^\\d+$', true).map(({ text }) => Number(text)));

describe('practice on the phone', () => {
    const s = withProgram('phone');

    test('the filter editor switches a set off and on, and the work set follows', async () => {
        const { page } = s;
        await tapToolButton(page, 'phone', 'Practice');
        await waitShown(page, 'Filter and Sets');
        await s.shot('dashboard');
        await tap(page, 'Filter and Sets');
        const all = await filterCount(page);
        assert.ok(all > 0);
        await waitShown(page, 'Kaplan');
        await s.shot('filter');  // also lets the editor slide in
        // The editor reloads its rows a tenth of a second after a switch; a tap whose press and
        // release come either side of that reload has lost its row and does nothing, so each
        // switch is one retried step.
        await tapUntil(page, 'Kaplan', untilShown(page, `Filter: ${all}`, { gone: true }));
        const without = await filterCount(page);
        assert.ok(without < all, `${without} < ${all}`);
        await s.shot('filter-set-off');
        await tapUntil(page, 'Kaplan', untilShown(page, `Filter: ${all}`));
        await tap(page, 'Done');
        await waitGone(page, `Filter: ${all}`);
        await waitShown(page, String(all));
        s.all = all;
    });

    test('answers questions against the clock, each revealed with its history', async () => {
        const { page } = s;
        await tap(page, 'Practise');
        await question(page).locator('#submit').waitFor({ state: 'visible' });
        await waitShown(page, '^00:0\\d$', { pattern: true });
        await s.shot('question');
        const reveals = [];
        const loads = [];
        for (let i = 0; i < 30; i++) {
            try {
                reveals.push(await answer(page, 'ABCDE'[i % 5]));
            } catch (e) {
                await s.shot(`failed-${i}`);
                throw e;
            }
            if (i === 0) {
                await s.shot('revealed');
                await assertPicturesLoaded(s);
            }
            loads.push(await next(page));
        }
        s.answered = reveals.length;
        console.log(`phone: tap to reveal, median ${median(reveals).toFixed(1)} ms; next key to next page, median ${median(loads).toFixed(1)} ms (30 questions)`);
        await waitShown(page, '^\\d+ %$', { pattern: true });
        await s.shot('after-answers');
    });

    test('a bookmarked question is practised from the bookmarks', async () => {
        const { page } = s;
        await tapImage(page, 'tb_bookmarkpm');
        await page.locator('img[src*="Practice_bookmarked"]').last().waitFor({ state: 'visible' });
        await closeQuestion(page);
        await s.shot('dashboard-after');
        await tap(page, 'Bookmarks');
        await question(page).locator('#submit').waitFor({ state: 'visible' });
        await answer(page, 'A');
        await s.shot('bookmark-question');
        await closeQuestion(page);
        // Thirty questions answered in turn, then the bookmarked one: the review counts them all.
        await page.waitForFunction((n) => window.shownTexts(String(n)).length > 0, s.answered + 1);
        await settled(page);
        s.dashboard = await dashboardNumbers(page);
    });

    test('leaving the tool, the statistics count the answers', async () => {
        const { page } = s;
        await tap(page, 'Done');
        await waitGone(page, 'Filter and Sets');
        await settled(page);
        await tapToolButton(page, 'phone', 'Statistics');
        await waitShown(page, 'Answers per step');
        // Questions of many kinds were answered, too few of one kind for its accuracy curve; the
        // table counts every answer of today, of the last seven days and overall.
        const counted = String(s.answered + 1);
        // The table lies below the charts: the screen is scrolled to its end to bring it into view.
        const title = await waitShown(page, 'Accuracy');
        await page.mouse.move(title.x, title.y + 250);
        await page.mouse.wheel(0, 400);
        await page.waitForFunction((n) => window.shownTexts(n).length >= 3, counted);
        await s.shot('statistics');
        await tap(page, 'Done');
    });

    test('after a restart the answered questions are in the review count', async () => {
        await s.end();
        await s.start();
        const { page } = s;
        await tapToolButton(page, 'phone', 'Practice');
        await waitShown(page, 'Filter and Sets');
        // The counts are those left before the restart: the whole work set, one bookmark, and the
        // thirty-one questions answered (thirty in turn, then the bookmarked one).
        await page.waitForFunction((n) => window.shownTextItems('^\\d+$', true).length >= n, s.dashboard.length);
        const numbers = await dashboardNumbers(page);
        assert.deepEqual(numbers, s.dashboard);
        assert.ok(numbers.includes(s.all), `the work set of ${s.all} among ${numbers}`);
        assert.ok(numbers.includes(1), `one bookmark among ${numbers}`);
        assert.ok(numbers.includes(s.answered + 1), `${s.answered + 1} answered among ${numbers}`);
        await s.shot('dashboard-after-restart');
    });
});

describe('practice on the tablet', () => {
    const s = withProgram('tablet');

    test('opens Practice, switches a set and answers on the wide page', async () => {
        const { page } = s;
        await tapToolButton(page, 'tablet', 'Practice');
        await waitShown(page, 'Filter and Sets');
        await s.shot('dashboard');
        await tap(page, 'Filter and Sets');
        const all = await filterCount(page);
        await tap(page, 'Hard Quant Set');
        await page.waitForFunction((n) => window.shownTexts(`Filter: ${n}`).length === 0, all);
        assert.ok((await filterCount(page)) < all);
        await s.shot('filter');
        await tapUntilShown(page, 'Done', '^Filter: \\d+$', { gone: true, statePattern: true });
        await tap(page, 'Practise');
        await question(page).locator('#submit').waitFor({ state: 'visible' });
        await s.shot('question');
        // A tap on an option's row, away from its radio and its words, chooses it.
        await tapInPage(question(page).locator('#tr3 > td').first());
        await question(page).locator('#radioC:checked').waitFor({ timeout: 5000 });
        await answer(page, 'C');
        await s.shot('revealed');
        await assertPicturesLoaded(s);
        await next(page);
        await answer(page, 'B');
        await closeQuestion(page);
        // The two questions answered are in the review count.
        await waitShown(page, '2');
        await s.shot('dashboard-after');
    });

    test('the dashboard keeps its column in the middle of the screen when the tablet turns', async () => {
        const { page } = s;
        // The key "Practise" stands 55 points left of the column's middle, which is the screen's.
        const offset = async () => {
            await settled(page);
            const box = await page.locator('#screen').boundingBox();
            const key = await waitShown(page, 'Practise');
            const heading = await waitShown(page, 'Questions in all sets');
            const points = Math.max(box.width, box.height) / 1024;
            return { key: (key.x - (box.x + box.width / 2)) / points, heading: (heading.x - (box.x + box.width / 2)) / points };
        };
        const upright = await offset();
        assert.ok(Math.abs(upright.key + 55) < 3, `upright ${upright.key}`);
        // Turned while open.
        await changing(page, () => page.click('#rotate-right'));
        const turned = await offset();
        await s.shot('dashboard-landscape');
        assert.ok(Math.abs(turned.key - upright.key) < 3 && Math.abs(turned.heading - upright.heading) < 3,
            `upright ${JSON.stringify(upright)}, turned ${JSON.stringify(turned)}`);
        // Opened turned.
        await tapUntil(page, 'Done', untilShown(page, 'Filter and Sets', { gone: true }));
        // The button's caption opens the tool as its picture does.
        await tapUntil(page, 'Practice', untilShown(page, 'Filter and Sets'));
        const opened = await offset();
        assert.ok(Math.abs(opened.key - upright.key) < 3, `opened turned ${opened.key}`);
        await changing(page, () => page.click('#rotate-left'));
    });
});

describe('the filter editor with a thousand sets', () => {
    const s = withProgram('phone', (data) => execFileSync(process.env.ORVA_PRACTICE_SETS_DATA, [data]));

    test('is dragged through without a move waiting long for its patch', async () => {
        const { page } = s;
        await tapToolButton(page, 'phone', 'Practice');
        await tap(page, 'Filter and Sets');
        await waitShown(page, 'Kaplan');
        await settled(page);
        const start = await waitShown(page, 'Kaplan');
        // Drags of the finger up the list, each 300 pixels in 30 steps, the list kept moving.
        const waits = await dragWaits(page, { x: start.x, y: start.y + 200 }, { drags: 8, steps: 30 });
        console.log(`filter editor, 1,000 sets: ${waits.length} moves, patch after a move median ${median(waits).toFixed(1)} ms, longest ${waits.at(-1).toFixed(1)} ms`);
        await s.shot('thousand-sets');
        assert.ok((await shownTexts(page, '^Timing set \\d+$', true)).length > 0, 'the list moved');
    });
});
