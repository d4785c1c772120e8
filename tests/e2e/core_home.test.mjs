// The home screen of the real program, on the phone and on the tablet: a tap on a tool button opens
// the tool and its done key brings the home screen back; a button held for 1.5 s starts
// rearranging, a drag moves it to another place while the others make room, the exit key ends the
// mode, and after the program ends and starts again the buttons are where they were left.
// It also tells how long a tap on a tool button takes to reach the browser as the tool's first patch.
import { test, describe } from 'node:test';
import assert from 'node:assert/strict';
import path from 'node:path';
import {
    actUntil, artifacts, changing, homeLayout, openProgram, settled, startProgram, tapUntil, tapUntilShown,
    toolButton, untilShown,
    useBrowser, waitShown, withProgram,
} from './support.mjs';

const program = process.env.ORVAKIT;
assert.ok(program, 'ORVAKIT names the program');
const browser = useBrowser();

const shot = (page, name) => page.screenshot({ path: path.join(artifacts, `core_home-${name}.png`) });
const centreOf = (page, text) => waitShown(page, text);

// Waits until the caption's middle is within `tolerance` of the point across (x) and, given, down
// (y). While rearranging, the buttons wobble and the page never comes to rest, so the tests wait
// for places instead.
const waitAt = (page, caption, { x, y }, tolerance) => page.waitForFunction(([t, px, py, d]) => {
    const [c] = window.shownTexts(t);
    return c && Math.abs(c.x - px) < d && (py === null || Math.abs(c.y - py) < d);
}, [caption, x, y ?? null, tolerance]);

for (const device of ['phone', 'tablet']) {
    describe(`the home screen on the ${device}`, () => {
        const dataDir = browser.folder('orvakit-home-');
        const s = withProgram(program, ['--data-dir', dataDir, '--device', device],
            (address) => openProgram(browser.context, address, { tip: true }));

        test('a tool opens on a tap and goes on its done key', async () => {
            const { page } = s;
            await shot(page, `${device}-home`);
            await page.evaluate(() => {
                window.homeTest = { messages: [] };
                window.addEventListener('orva-message', (e) => window.homeTest.messages.push(
                    { time: performance.now(), text: JSON.stringify(e.detail) }));
                window.addEventListener('pointerup', () => { window.homeTest.tap = performance.now(); }, true);
            });
            const timer = await toolButton(page, device, 'Timer');
            await actUntil(() => page.mouse.click(timer.x, timer.y), untilShown(page, 'Done'), { page });
            const figure = await page.evaluate(() => {
                const { tap, messages } = window.homeTest;
                const first = messages.find((m) => m.time >= tap);
                const tool = messages.find((m) => m.time >= tap && m.text.includes('"Done"'));
                return { first: first.time - tap, tool: tool.time - tap, same: first === tool };
            });
            console.log(`${device}: tap to the tool's first patch ${figure.tool.toFixed(1)} ms` +
                `${figure.same ? '' : ` (first patch after the tap ${figure.first.toFixed(1)} ms)`}`);
            await settled(page);
            await shot(page, `${device}-tool`);

            await tapUntilShown(page, 'Done', 'Done', { gone: true });
            const again = await toolButton(page, device, 'Timer');
            assert.ok(Math.abs(again.x - timer.x) < 2 && Math.abs(again.y - timer.y) < 2, 'the button is back');
        });

        test('a button\'s caption opens the tool as its picture does', async () => {
            const { page } = s;
            const caption = await waitShown(page, 'Timer');
            await actUntil(() => page.mouse.click(caption.x, caption.y), untilShown(page, 'Done'), { page });
            await settled(page);
            await shot(page, `${device}-caption-opened`);
            await tapUntilShown(page, 'Done', 'Done', { gone: true });
        });

        if (device === 'phone') {
            test('a turn keeps the phone at its scale, clear of the page\'s controls', async () => {
                const { page } = s;
                const box = () => page.evaluate(() => {
                    const rect = (id) => document.getElementById(id).getBoundingClientRect().toJSON();
                    return { device: rect('device'), chip: rect('connection'), controls: rect('controls') };
                });
                const overlap = (a, b) => a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
                // The page has laid the device out for the window's new size and is at rest.
                const resized = async (width) => {
                    await page.waitForFunction((w) => window.innerWidth === w, width);
                    await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => resolve())));
                    await page.waitForFunction(() => window.orvaDevice.settled());
                };
                const turnedTo = (angle) => page.waitForFunction((a) => window.orvaDevice.state.angle === a
                    && window.orvaDevice.settled(), angle);
                // In a window wider than tall, as on a laptop.
                const before = page.viewportSize();
                await page.setViewportSize({ width: 1280, height: 800 });
                await resized(1280);
                const upright = await box();
                await page.click('#rotate-left');
                await turnedTo(-90);
                await shot(page, `${device}-turned`);
                const turned = await box();
                await page.click('#rotate-right');
                await turnedTo(0);
                await page.setViewportSize(before);
                await resized(before.width);
                const long = (b) => Math.max(b.device.width, b.device.height);
                assert.ok(Math.abs(long(turned) - long(upright)) < 1, `${long(upright)} then ${long(turned)}`);
                for (const b of [upright, turned]) {
                    assert.ok(!overlap(b.device, b.chip) && !overlap(b.device, b.controls), JSON.stringify(b));
                }
            });
        }

        if (device === 'tablet') {
            test('the grid spreads over the width when the tablet turns', async () => {
                const { page } = s;
                await changing(page, () => page.click('#rotate-right'));
                await shot(page, 'tablet-landscape');
                // Five columns 206 points apart instead of 150.
                const first = await centreOf(page, 'Library');
                const second = await centreOf(page, 'Error Log');
                const fifth = await centreOf(page, 'Practice');
                const step = Math.abs(second.x - first.x) || Math.abs(second.y - first.y);
                const span = Math.hypot(fifth.x - first.x, fifth.y - first.y);
                assert.ok(Math.abs(span / step - 4) < 0.05, `four steps between the first and fifth column: ${span / step}`);
                await changing(page, () => page.click('#rotate-left'));
            });
        }

        if (device === 'phone') {
            test('the page control turns to the second page and back', async () => {
                const { page } = s;
                const library = await toolButton(page, device, 'Library');
                // The dots' middle is at (160, 407), the first place's picture at (60, 57).
                const dots = { x: library.x + 100 * library.scale, y: library.y + 350 * library.scale };
                const first = await centreOf(page, 'Library');
                const tolerance = 4 * library.scale;
                // The game comes first on the second page; then Library is back in its place.
                await page.mouse.click(dots.x + 30 * library.scale, dots.y);
                await waitAt(page, 'Math Game', { x: first.x }, tolerance);
                await settled(page);
                await shot(page, 'phone-second-page');
                await page.mouse.click(dots.x - 30 * library.scale, dots.y);
                await waitAt(page, 'Library', { x: first.x }, tolerance);
                await settled(page);
            });
        }

        test('a held button rearranges, a drag moves it, and the order stays after a restart', async () => {

            let { page, run } = s;
            const library = await toolButton(page, device, 'Library');
            const errorLog = await toolButton(page, device, 'Error Log');
            const practice = await toolButton(page, device, 'Practice');
            const libraryCaption = await centreOf(page, 'Library');
            const errorLogCaption = await centreOf(page, 'Error Log');
            const tolerance = 4 * library.scale;

            await page.mouse.move(practice.x, practice.y);
            await page.mouse.down();
            await waitShown(page, 'Done');  // held long enough: the exit key came
            await shot(page, `${device}-rearranging`);
            // To the first place, in small steps as a finger moves.
            await page.mouse.move(library.x, library.y, { steps: 24 });
            await page.mouse.up();
            // Practice settles in the first place and Library makes room.
            await waitAt(page, 'Practice', libraryCaption, tolerance);
            await waitAt(page, 'Library', errorLogCaption, tolerance);
            await shot(page, `${device}-dragged`);
            const moved = await centreOf(page, 'Practice');
            const pushed = await centreOf(page, 'Library');
            assert.ok(Math.abs(moved.x - library.x) < tolerance, 'Practice took the first place');
            assert.ok(Math.abs(pushed.x - errorLog.x) < tolerance, 'Library made room');

            // The buttons wobble: the exit key is tapped where it is found, without waiting for rest.
            await actUntil(async () => {
                const exit = await centreOf(page, 'Done');
                await page.mouse.click(exit.x, exit.y);
            }, untilShown(page, 'Done', { gone: true }), { page });
            await settled(page);
            await shot(page, `${device}-arranged`);

            run.child.kill('SIGTERM');
            assert.equal((await run.exited).code, 0);
            await page.close();

            s.run = run = await startProgram(program, ['--data-dir', dataDir, '--device', device]);
            s.page = page = await openProgram(browser.context, run.address, { tip: true });
            await shot(page, `${device}-restarted`);
            const kept = await centreOf(page, 'Practice');
            const keptLibrary = await centreOf(page, 'Library');
            assert.ok(Math.abs(kept.x - library.x) < tolerance && Math.abs(kept.y - (library.y + (moved.y - library.y))) < tolerance,
                'Practice is still first');
            assert.ok(Math.abs(keptLibrary.x - errorLog.x) < tolerance, 'Library is still second');
        });

        if (device === 'tablet') {
            test('the actual-size view shows a point a pixel, scrolls around the device and is kept', async () => {
                const { page } = s;
                const before = page.viewportSize();
                await page.setViewportSize({ width: 1280, height: 800 });
                await page.waitForFunction(() => window.innerWidth === 1280);
                const screenWidth = () => page.evaluate(() => document.getElementById('screen').getBoundingClientRect().width);
                assert.ok(await screenWidth() < 700, 'fitted to the window at first');
                await page.click('#actual-size');
                await page.waitForFunction(() => Math.abs(document.getElementById('screen').getBoundingClientRect().width - 768) < 1);
                await settled(page);
                await shot(page, 'tablet-actual-size');
                const stage = () => page.evaluate(() => {
                    const st = document.getElementById('stage');
                    const scrollable = ['auto', 'scroll'].includes(getComputedStyle(st).overflowY);
                    return { scrolls: scrollable && st.scrollHeight > st.clientHeight, bottom: st.getBoundingClientRect().bottom };
                });
                assert.ok((await stage()).scrolls, 'the page scrolls around the tablet');
                // Scrolled down, a tap on the Test Date button opens its editor.
                await page.evaluate(() => { const st = document.getElementById('stage'); st.scrollTop = st.scrollHeight; });
                await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => resolve())));
                const caption = await waitShown(page, 'Test Date');
                assert.ok(caption.y < (await stage()).bottom, `the caption (${caption.y}) is scrolled into the window`);
                await shot(page, 'tablet-actual-size-scrolled');
                await actUntil(() => page.mouse.click(caption.x, caption.y - homeLayout.tablet.captionBelow),
                    untilShown(page, 'I know my test date'), { page });
                await page.evaluate(() => { document.getElementById('stage').scrollTop = 0; });
                await tapUntilShown(page, 'Done', 'I know my test date', { gone: true, again: 'I know my test date' });

                // The choice is the page's: kept after a reload, and switched off again.
                await page.reload();
                await waitShown(page, 'Library');
                await page.waitForFunction(() => Math.abs(document.getElementById('screen').getBoundingClientRect().width - 768) < 1);
                await page.click('#actual-size');
                await page.waitForFunction(() => document.getElementById('screen').getBoundingClientRect().width < 700);
                assert.ok(!(await stage()).scrolls, 'fitted again: nothing to scroll');
                await page.setViewportSize(before);
                await page.waitForFunction((w) => window.innerWidth === w, before.width);
            });
        }
    });
}

// The tablet's statistics pane shows whole, upright and turned, while the tip band shows and after
// it has gone: every heading and row of its blocks on the screen, inside the pane's room and clear
// of the band.
describe('the tablet home screen\'s statistics pane', () => {
    const dataDir = browser.folder('orvakit-home-pane-');
    const s = withProgram(program, ['--data-dir', dataDir, '--device', 'tablet'],
        (address) => openProgram(browser.context, address));
    const paneTexts = ['Accuracy', 'Tap the chart for other curves', 'Answers per step', 'No answers yet', 'Test date',
        'Answers', 'Today', 'Overall', 'RC', 'DS', 'All'];
    // What keeps a text of the pane from being seen whole: not shown, cut by a view that clips it
    // (the pane's scrolling room, the screen), or under the band.
    const hidden = (page) => page.evaluate((texts) => {
        const faults = [];
        const [band] = window.shownTexts('✕');
        const screen = document.getElementById('screen').getBoundingClientRect();
        const half = (12.5 * Math.max(screen.width, screen.height)) / 1024;
        for (const text of texts) {
            const spans = window.shownSpans(text);
            if (spans.length !== 1) {
                faults.push(`${text}: shown ${spans.length} times`);
                continue;
            }
            const r = spans[0].getBoundingClientRect();
            for (let node = spans[0].parentElement.parentElement; node && node !== document.body; node = node.parentElement) {
                if (getComputedStyle(node).overflow === 'visible') continue;
                const c = node.getBoundingClientRect();
                if (r.top < c.top - 0.5 || r.bottom > c.bottom + 0.5 || r.left < c.left - 0.5 || r.right > c.right + 0.5) {
                    faults.push(`${text}: cut at ${Math.round(c.top)}-${Math.round(c.bottom)}`);
                    break;
                }
            }
            if (band && r.bottom > band.y - half && r.top < band.y + half) faults.push(`${text}: under the band`);
        }
        return faults;
    }, paneTexts);
    const expectWhole = async (page, name) => {
        await settled(page);
        await page.screenshot({ path: path.join(artifacts, `core_home-tablet-pane-${name}.png`) });
        assert.deepEqual(await hidden(page), [], name);
    };

    test('shows whole upright and turned, with the tip band and without', async () => {
        const { page } = s;
        await waitShown(page, '✕');
        await expectWhole(page, 'portrait-band');
        await changing(page, () => page.click('#rotate-right'));
        await expectWhole(page, 'landscape-band');
        await tapUntil(page, '✕', untilShown(page, '✕', { gone: true }));
        await expectWhole(page, 'landscape');
        await changing(page, () => page.click('#rotate-left'));
        await expectWhole(page, 'portrait');
    });
});
