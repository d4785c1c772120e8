// The maths game of the real program in a browser, on the phone (turned to landscape) and on the
// tablet: the game opens from the home screen, the topic "Percents" and its level 1; the test reads
// each question from its page, works the answer out and taps it; one question is left to run out
// of time. The level ends with the score counting up; it is played again and lost by wrong answers;
// level 2 is then open in the grid; the review pages through the questions played; the game is
// left. Screenshots of the grid, a question, the results and the review are kept.
import { describe, test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import {
    actUntil, artifacts, changing, dismissTip, installShownTexts, launchBrowser, pickShown, removeProfiles, settled, startProgram, untilShown,
} from './support.mjs';

const program = process.env.ORVAKIT;

// The right option of a percent question, worked out from the text of its page; null for another.
function work(text) {
    let m = /(\d+) is what percent of (\d+)\?/.exec(text);
    if (m) return `${(Number(m[1]) * 100) / Number(m[2])} %`;
    m = /(\d+)\/(\d+) percent of (\d+) equals/.exec(text);
    if (m) return `${(Number(m[1]) * Number(m[3])) / (Number(m[2]) * 100)}`;
    m = /(\d+)% of (\d+) equals/.exec(text);
    if (m) return `${(Number(m[1]) * Number(m[2])) / 100}`;
    m = /\$(\d+) investment (increased|decreased) by (\d+)%/.exec(text);
    if (m) return `$${(Number(m[1]) * (100 + (m[2] === 'increased' ? 1 : -1) * Number(m[3]))) / 100}`;
    return null;
}

// The game played on one device, in a browser and a program of its own; its tests one after another.
function playOn(device) {
    describe(`the maths game on the ${device}`, { concurrency: 1 }, () => {
        const dataDir = mkdtempSync(path.join(tmpdir(), `orvakit-game-${device}-`));
        let context, run, page;
        const shot = (name) => page.screenshot({ path: path.join(artifacts, `game-${device}-${name}.png`) });
        // Where the texts are shown now, lowest on the screen last.
        const shown = async (text) =>
            (await page.evaluate((t) => window.shownTexts(t), text)).sort((a, b) => a.y - b.y);
        const waitShown = (text, state = true) =>
            page.waitForFunction(([t, s]) => (window.shownTexts(t).length > 0) === s, [text, state], { timeout: 20000 });
        // A tap on the text; where it shows more than once, on the lowest.
        // Found and tapped in one step, looked for again until it is shown.
        const lowest = (text) => pickShown(page, text, (all) => all.sort((a, b) => a.y - b.y).at(-1), { timeout: 20000 });
        async function tap(text) {
            const { x, y } = await lowest(text);
            await page.mouse.click(x, y);
        }
        // A key that leads to another state, tapped as one retried step (on a loaded machine a tap
        // now and then has no effect): made again while `state` has not come and the key's own
        // state (by default, the key shown) holds.
        const tapUntilShown = (text, state, { gone = false, again = text } = {}) => actUntil(async () => {
            await settled(page);
            await tap(text);
        }, untilShown(page, state, { gone }), { page, again: async () => (await shown(again)).length > 0 });
        // The next frame of the page: polls below look again once the page has drawn.
        const nextFrame = () => page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => resolve())));
        // The text of a question page on screen (the web view's frame) not read before: each page
        // read is marked in its own document, so that a new page is told from the last even where
        // two questions read the same.
        async function questionText() {
            const deadline = Date.now() + 20000;
            for (;;) {
                for (const frame of page.frames()) {
                    if (frame === page.mainFrame()) continue;
                    const text = await frame.evaluate(() =>
                        (!document.body || document.body.dataset.read ? '' : document.body.innerText ?? '')).catch(() => '');
                    if (work(text) !== null) {
                        await frame.evaluate(() => { document.body.dataset.read = 'yes'; }).catch(() => {});
                        return text;
                    }
                }
                assert.ok(Date.now() < deadline, 'no question page');
                await nextFrame();
            }
        }
        const progress = async () => {
            const texts = await page.evaluate(() => [...document.querySelectorAll('.text > span')].map((s) => s.textContent));
            return texts.find((t) => /^\d+\/12$/.test(t));
        };

        before(async () => {
            context = await launchBrowser();
            await installShownTexts(context);
            run = await startProgram(program, ['--data-dir', dataDir, '--device', device]);
            page = await context.newPage();
            await page.goto(run.address);
            await waitShown('Library');
            await page.evaluate(() => document.fonts.ready);
            await settled(page);
            await dismissTip(page);
        });

        after(async () => {
            await page?.close();
            run?.child.kill('SIGTERM');
            await run?.exited;
            await context?.close();
            removeProfiles(context);  // the other device's browser still runs
            rmSync(dataDir, { recursive: true, force: true });
        });

        test('the game opens from the home screen, with a topic and its level grid', async () => {
            if (device === 'phone') {
                // The game is on the second page of buttons: the dots lie below the grid.
                const library = await pickShown(page, 'Library', (all) => all[0]);
                const errorLog = await pickShown(page, 'Error Log', (all) => all[0]);
                const scale = Math.abs(errorLog.x - library.x) / 100;
                // Turned once the game's caption stands where Library's stood (the second page's
                // captions are in the page beside the first, shown or not).
                const turned = (timeout) => page.waitForFunction(([x, tolerance]) =>
                    window.shownTexts('Math Game').some((t) => Math.abs(t.x - x) < tolerance) && window.orvaDevice.settled(),
                [library.x, 4 * scale], { timeout });
                await actUntil(() => page.mouse.click(library.x + 130 * scale, library.y + 305 * scale), turned, { page });
                await settled(page);
                await shot('home');
            }
            const game = await pickShown(page, 'Math Game', (all) => all[0]);
            // The button's picture lies above its caption.
            const scale = (await page.locator('#screen').boundingBox()).width / (device === 'phone' ? 320 : 768);
            await actUntil(async () => {
                await settled(page);
                await page.mouse.click(game.x, game.y - (device === 'phone' ? 45 : 48) * scale);
            }, untilShown(page, 'Play'), { page, again: async () => (await shown('Play')).length === 0 });
            if (device === 'phone') {
                await changing(page, () => page.click('#rotate-left'));
            }
            await settled(page);
            await shot('tool');
            assert.equal((await shown('Review')).length, 1);
            await tapUntilShown('Play', 'Topics');
            await settled(page);
            await shot('topics');
            await tapUntilShown('Percents', '1');
            await settled(page);
            await shot('grid');
        });

        test('level 1 is played: answers worked out from the page, one question left to run out', async () => {
            await tapUntilShown('1', '1/12');
            let text = await questionText();
            await waitShown('1/12');
            await shot('question');
            // The four answer keys stand in two columns spread over the screen's width, on the
            // tablet as on the phone.
            const screen = await page.locator('#screen').boundingBox();
            const across = device === 'phone' ? Math.max(screen.width, screen.height) : screen.width;
            await page.waitForFunction(() => window.shownTextItems('^\\$?-?\\d+( %)?$', true).length >= 4);
            const keys = (await page.evaluate(() => window.shownTextItems('^\\$?-?\\d+( %)?$', true)))
                .sort((a, b) => a.y - b.y).slice(-4).map((k) => k.x);
            assert.ok(Math.max(...keys) - Math.min(...keys) > 0.4 * across, `the keys' columns at ${keys}`);
            for (let k = 1; k <= 12; ++k) {
                assert.equal(await progress(), `${k}/12`);
                if (k === 3) {
                    // Left alone: the question runs out after its ten seconds, and a life goes.
                    await page.waitForFunction(() => window.shownTexts('4/12').length > 0, null, { timeout: 20000 });
                    text = await questionText();
                    continue;
                }
                const answer = work(text);
                await tap(answer);
                if (k < 12) {
                    await waitShown(`${k + 1}/12`);
                    text = await questionText();
                }
            }
            // Eleven right answers, each worth 100 to 200 points, and two lives left.
            await waitShown('Level complete!');
            // The score counting up: a number shown above nought.
            await page.waitForFunction(() => window.shownTextItems('^[1-9]\\d*$', true).length > 0);
            await shot('results-counting');
            await page.waitForFunction(() => window.shownTexts('Levels').length > 0 && window.shownTexts('Best: 0').length === 0);
            // The count-up has ended once the new best's badge shows.
            await page.locator('img[src*="game_highscore"]').last().waitFor({ state: 'visible', timeout: 20000 });
            await settled(page);
            await shot('results');
            const score = Number((await page.evaluate(() => [...document.querySelectorAll('.text > span')]
                .map((s) => s.textContent).filter((t) => /^\d{4}$/.test(t))))[0]);
            assert.ok(score >= 11 * 100 + 200 && score <= 11 * 200 + 200, `the score ${score}`);
        });

        test('a second run is lost by wrong answers, and level 2 is open afterwards', async () => {
            await tapUntilShown('Again', '1/12');
            for (let k = 1; k <= 3; ++k) {
                await waitShown(`${k}/12`);
                // The page and the keys of the new question: the keys offer the worked answer.
                let right, options;
                const deadline = Date.now() + 20000;
                right = work(await questionText());
                for (;;) {
                    const answers = await page.evaluate(() => window.shownTextItems('^\\$?-?\\d+( %)?$', true));
                    options = answers.sort((a, b) => a.y - b.y).slice(-4).map((a) => a.text);
                    if (options.includes(right) || Date.now() > deadline) break;
                    await nextFrame();
                }
                assert.ok(options.includes(right), `${right} among ${options}`);
                const wrong = options.find((o) => o !== right);
                await tap(wrong);
            }
            await waitShown('Level failed!');
            await settled(page);
            await shot('failed');
            // The panel closes round its title and its two keys: the keys stand just below it.
            const [title] = await shown('Level failed!');
            const [levels] = await shown('Levels');
            const box = await page.locator('#screen').boundingBox();
            const points = Math.max(box.width, box.height) / (device === 'phone' ? 480 : 1024);
            assert.ok(levels.y - title.y < 80 * (device === 'phone' ? 1 : 1.5) * points, `title at ${title.y}, keys at ${levels.y}`);
            await tapUntilShown('Levels', '2');
            await settled(page);
            await shot('grid-after');
        });

        test('the review pages through the questions played, and the game is left', async () => {
            await tapUntilShown('Back', 'Topics', { again: '2' });
            await tapUntilShown('Back', 'Review', { again: 'Topics' });
            await tapUntilShown('Review', '1/15');
            await settled(page);
            await shot('review');
            assert.ok((await shown('X')).length === 1, 'the newest question was answered wrong');
            await tapUntilShown('<', '15/15', { again: '1/15' });
            await tapUntilShown('>', '1/15', { again: '15/15' });
            // The tool's Exit key lies under the review: it is tapped once the review is gone.
            await tapUntilShown('Done', '1/15', { gone: true, again: '1/15' });
            // The home screen comes back on the page it was left on, which need not show the
            // Library button: the game is left once its Exit key is gone.
            await tapUntilShown('Exit', 'Exit', { gone: true });
        });
    });
}

// The two devices play side by side: most of a level is the game's own pause after each answer, in
// which the other device's browser and program have the machine to themselves.
describe('the maths game', { concurrency: true }, () => {
    for (const device of process.env.ORVA_GAME_DEVICES?.split(',') ?? ['phone', 'tablet']) playOn(device);
});
