// The home screen of the real program, on the phone and on the tablet: a tap on a tool button opens
// the tool and its done key brings the home screen back; a button held for 1.5 s starts
// rearranging, a drag moves it to another place while the others make room, the exit key ends the
// mode, and after the program ends and starts again the buttons are where they were left.
// It also tells how long a tap on a tool button takes to reach the browser as the tool's first patch.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { mkdirSync, mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { artifacts, installShownTexts, launchBrowser, removeProfiles, startProgram } from './support.mjs';

const program = process.env.ORVAKIT;
const folders = [];
let context;

before(async () => {
    assert.ok(program, 'ORVAKIT names the program');
    mkdirSync(artifacts, { recursive: true });
    context = await launchBrowser({ viewport: { width: 900, height: 1100 } });
    await installShownTexts(context);
});

after(async () => {
    await context?.close();
    removeProfiles();
    for (const folder of folders) rmSync(folder, { recursive: true, force: true });
});

const shown = (page, text) => page.evaluate((t) => window.shownTexts(t), text);
const waitShown = (page, text, yes = true) =>
    page.waitForFunction(([t, y]) => (window.shownTexts(t).length > 0) === y, [text, yes]);
const shot = (page, name) => page.screenshot({ path: path.join(artifacts, `core_home-${name}.png`) });
const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

async function centreOf(page, text) {
    const [first] = await shown(page, text);
    assert.ok(first, `"${text}" is shown`);
    return first;
}

// Device points: the caption's middle lies this far below its button's picture's middle; the first
// two grid places lie this far apart.
const layout = { phone: { captionBelow: 45, column: 100 }, tablet: { captionBelow: 48, column: 150 } };

// The middle of a tool button's picture, found from its caption; the scale from two captions.
async function iconOf(page, device, caption) {
    const first = await centreOf(page, 'Library');
    const second = await centreOf(page, 'Error Log');
    const scale = Math.abs(second.x - first.x) / layout[device].column;
    const c = await centreOf(page, caption);
    return { x: c.x, y: c.y - layout[device].captionBelow * scale, scale };
}

async function openHome(address) {
    const page = await context.newPage();
    await page.goto(address);
    await page.waitForFunction(() => document.getElementById('connection').dataset.state === 'connected');
    await waitShown(page, 'Library');
    await page.evaluate(() => document.fonts.ready);
    await pause(1600);  // the entrance has ended and the tip band, if any, is up
    return page;
}

// Closes the tip band when one is up, so that it covers nothing.
async function closeTip(page) {
    const [close] = await shown(page, '✕');
    if (close) {
        await page.mouse.click(close.x, close.y);
        await pause(500);
    }
}

for (const device of ['phone', 'tablet']) {
    describe(`the home screen on the ${device}`, () => {
        const dataDir = mkdtempSync(path.join(tmpdir(), 'orvakit-home-'));
        folders.push(dataDir);
        let run;
        let page;
        before(async () => {
            run = await startProgram(program, ['--data-dir', dataDir, '--device', device]);
            page = await openHome(run.address);
        });
        after(async () => {
            await page?.close().catch(() => {});
            run?.child.kill('SIGTERM');
        });

        test('a tool opens on a tap and goes on its done key', async () => {
            await shot(page, `${device}-home`);
            await closeTip(page);
            await page.evaluate(() => {
                window.homeTest = { messages: [] };
                window.addEventListener('orva-message', (e) => window.homeTest.messages.push(
                    { time: performance.now(), text: JSON.stringify(e.detail) }));
                window.addEventListener('pointerup', () => { window.homeTest.tap = performance.now(); }, true);
            });
            const timer = await iconOf(page, device, 'Timer');
            await page.mouse.click(timer.x, timer.y);
            await waitShown(page, 'Done');
            const figure = await page.evaluate(() => {
                const { tap, messages } = window.homeTest;
                const first = messages.find((m) => m.time >= tap);
                const tool = messages.find((m) => m.time >= tap && m.text.includes('"Done"'));
                return { first: first.time - tap, tool: tool.time - tap, same: first === tool };
            });
            console.log(`${device}: tap to the tool's first patch ${figure.tool.toFixed(1)} ms` +
                `${figure.same ? '' : ` (first patch after the tap ${figure.first.toFixed(1)} ms)`}`);
            await pause(500);
            await shot(page, `${device}-tool`);

            const done = await centreOf(page, 'Done');
            await page.mouse.click(done.x, done.y);
            await waitShown(page, 'Done', false);
            await pause(600);
            const again = await iconOf(page, device, 'Timer');
            assert.ok(Math.abs(again.x - timer.x) < 2 && Math.abs(again.y - timer.y) < 2, 'the button is back');
        });

        if (device === 'tablet') {
            test('the grid spreads over the width when the tablet turns', async () => {
                await page.click('#rotate-right');
                await pause(1200);
                await shot(page, 'tablet-landscape');
                // Five columns 206 points apart instead of 150.
                const first = await centreOf(page, 'Library');
                const second = await centreOf(page, 'Error Log');
                const fifth = await centreOf(page, 'Practice');
                const step = Math.abs(second.x - first.x) || Math.abs(second.y - first.y);
                const span = Math.hypot(fifth.x - first.x, fifth.y - first.y);
                assert.ok(Math.abs(span / step - 4) < 0.05, `four steps between the first and fifth column: ${span / step}`);
                await page.click('#rotate-left');
                await pause(1200);
            });
        }

        if (device === 'phone') {
            test('the page control turns to the second page and back', async () => {
                const library = await iconOf(page, device, 'Library');
                // The dots' middle is at (160, 407), the first place's picture at (60, 57).
                const dots = { x: library.x + 100 * library.scale, y: library.y + 350 * library.scale };
                await page.mouse.click(dots.x + 30 * library.scale, dots.y);
                await pause(600);
                await shot(page, 'phone-second-page');
                const game = await centreOf(page, 'Math Game');
                assert.ok(Math.abs(game.x - library.x) < 4 * library.scale, 'the game is first on the second page');
                await page.mouse.click(dots.x - 30 * library.scale, dots.y);
                await pause(600);
                assert.ok(Math.abs((await centreOf(page, 'Library')).x - library.x) < 4 * library.scale);
            });
        }

        test('a held button rearranges, a drag moves it, and the order stays after a restart', async () => {
            const library = await iconOf(page, device, 'Library');
            const errorLog = await iconOf(page, device, 'Error Log');
            const practice = await iconOf(page, device, 'Practice');

            await page.mouse.move(practice.x, practice.y);
            await page.mouse.down();
            await pause(1900);
            await waitShown(page, 'Done');  // the exit key came
            await shot(page, `${device}-rearranging`);
            // To the first place, in small steps as a finger moves.
            const steps = 24;
            for (let i = 1; i <= steps; ++i) {
                await page.mouse.move(practice.x + (library.x - practice.x) * i / steps,
                    practice.y + (library.y - practice.y) * i / steps);
                await pause(20);
            }
            await page.mouse.up();
            await pause(600);
            await shot(page, `${device}-dragged`);
            const moved = await centreOf(page, 'Practice');
            const pushed = await centreOf(page, 'Library');
            const tolerance = 4 * library.scale;
            assert.ok(Math.abs(moved.x - library.x) < tolerance, 'Practice took the first place');
            assert.ok(Math.abs(pushed.x - errorLog.x) < tolerance, 'Library made room');

            const exit = await centreOf(page, 'Done');
            await page.mouse.click(exit.x, exit.y);
            await waitShown(page, 'Done', false);
            await pause(400);
            await shot(page, `${device}-arranged`);

            run.child.kill('SIGTERM');
            assert.equal((await run.exited).code, 0);
            await page.close();

            run = await startProgram(program, ['--data-dir', dataDir, '--device', device]);
            page = await openHome(run.address);
            await shot(page, `${device}-restarted`);
            const kept = await centreOf(page, 'Practice');
            const keptLibrary = await centreOf(page, 'Library');
            assert.ok(Math.abs(kept.x - library.x) < tolerance && Math.abs(kept.y - (library.y + (moved.y - library.y))) < tolerance,
                'Practice is still first');
            assert.ok(Math.abs(keptLibrary.x - errorLog.x) < tolerance, 'Library is still second');
        });
    });
}
