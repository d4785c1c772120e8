// The timer tool of the real program on the phone and on the tablet: opened from the home screen,
// its options and the custom section's editor and keypad are shown, a quantitative section is
// started, answered sure and as a guess, shows its extended figures,
// pauses and goes on, stays paused with its time unchanged while the program is in the
// background, and is finished. Its results are graded and sorted, Reset keeps it, the list of all
// results shows it, the backup key hands the mail link to the browser with the backup text, and
// the kept section is deleted. Screenshots are kept as artefacts.
//
// A user who keeps 1,000 sections of 41 answers backs them up too: the whole mail link reaches the
// page. The restore from the pasteboard is tested headlessly: the page has no paste control yet.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdirSync, mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import {
    artifacts, installShownTexts, launchBrowser, removeProfiles, shownTexts as shown, startProgram, tapToolButton,
} from './support.mjs';

// Steps of this file that still take the text's centre as their own helpers did.
async function waitShown(page, text, pattern = false, timeout = 30000) {
    await page.waitForFunction(([t, p]) => window.shownTexts(t, p).length > 0, [text, pattern], { timeout });
    return (await shown(page, text, pattern)).at(-1);
}
async function waitGone(page, text, pattern = false) {
    await page.waitForFunction(([t, p]) => window.shownTexts(t, p).length === 0, [text, pattern]);
}
// A tap on the shown text once it has stopped moving (screens and overlays slide in).
async function tapShown(page, text, pattern = false) {
    let at = await waitShown(page, text, pattern);
    for (;;) {
        await page.waitForTimeout(120);
        const now = (await shown(page, text, pattern)).at(-1) ?? at;
        if (now.x === at.x && now.y === at.y) break;
        at = now;
    }
    await page.mouse.click(at.x, at.y);
}

const program = process.env.ORVAKIT;
const folders = [];
let context;

before(async () => {
    assert.ok(program, 'ORVAKIT names the program');
    mkdirSync(artifacts, { recursive: true });
    context = await launchBrowser({ viewport: { width: 900, height: 1150 } });
    await installShownTexts(context);
    // The page hands a mail link to the browser's mail handler; here none runs, and a link of
    // megabytes would take the page away. The link is still recorded as opened.
    await context.addInitScript(() => {
        const click = HTMLAnchorElement.prototype.click;
        HTMLAnchorElement.prototype.click = function () {
            if (!this.href.startsWith('mailto:')) click.call(this);
        };
    });
});

after(async () => {
    await context?.close();
    removeProfiles();
    for (const folder of folders) rmSync(folder, { recursive: true, force: true });
});

const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
const tap = tapShown;
// The shown texts that match the pattern.
const textsLike = (page, pattern) =>
    page.evaluate((p) => [...document.querySelectorAll('.text > span')]
        .filter((span) => new RegExp(p).test(span.textContent) && span.getBoundingClientRect().width > 0)
        .map((span) => span.textContent), pattern);
const keyTitle = (title) => `^\\s*${title}\\s*$`;

const sizes = { phone: { width: 320 }, tablet: { width: 768 } };

// Page pixels per device point, and the screen's top left corner.
async function screenBox(page, device) {
    const box = await page.locator('#screen').boundingBox();
    return { ...box, scale: box.width / sizes[device].width };
}

function withProgram(device, sections = 0) {
    const s = { device, shot: async (name) => {
        await pause(500);  // the entrances have ended
        await s.page.screenshot({ path: path.join(artifacts, `timer-${device}-${name}.png`) });
    } };
    before(async () => {
        const data = mkdtempSync(path.join(tmpdir(), 'orvakit-timer-'));
        folders.push(data);
        if (sections) execFileSync(process.env.ORVA_TIMER_DATA, [data, String(sections)]);
        s.run = await startProgram(program, ['--data-dir', data, '--device', device]);
        s.page = await context.newPage();
        await s.page.goto(s.run.address);
        await s.page.evaluate(() => document.fonts.ready);
        await waitShown(s.page, 'Library');
        await pause(1600);  // the home screen is in and its tip band, if any, is up
        const [close] = await shown(s.page, '✕');
        if (close) {
            await s.page.mouse.click(close.x, close.y);
            await waitGone(s.page, '✕');
        }
    });
    after(async () => {
        await s.page?.screenshot({ path: path.join(artifacts, `timer-${device}-last.png`) }).catch(() => {});
        await s.page?.close().catch(() => {});
        s.run?.child.kill('SIGTERM');
        await s.run?.exited;
    });
    return s;
}

// The story, the same on both devices.
function timerStory(s) {
    test('opens from the home screen, ready for a quantitative section', async () => {
        const { page, device } = s;
        await tapToolButton(page, device, 'Timer');
        await waitShown(page, 'Quantitative');
        await waitShown(page, '1/37');
        await waitShown(page, '75:00');
        await s.shot('ready');
    });

    test('shows its options, and the custom section with its editor and keypad', async () => {
        const { page } = s;
        await tap(page, 'Options');
        await waitShown(page, 'Timer options');
        await s.shot('options');
        await tap(page, 'Cancel');
        await waitGone(page, 'Timer options');
        await tap(page, 'Quantitative');
        await tap(page, 'Verbal');
        await waitShown(page, '#1 1/10');
        await tap(page, 'Edit');
        await waitShown(page, 'Custom section');
        await tap(page, 'Questions');
        await waitShown(page, 'Clear');
        await tap(page, '2');
        await tap(page, '5');
        await waitShown(page, '25');
        await s.shot('keypad');
        await tap(page, 'Done');
        await waitGone(page, 'Clear');
        await tap(page, 'Done');
        await waitGone(page, 'Custom section');
        await waitShown(page, '#1 1/25');
        await s.shot('custom');
        await tap(page, 'Custom');
        await waitShown(page, '1/37');
    });

    test('starts and takes a sure answer and a guess', async () => {
        const { page } = s;
        await tap(page, keyTitle('Start'), true);
        await waitShown(page, '^74:5\\d$', true);
        await tap(page, 'A');
        await waitShown(page, 'Please confirm your answer choice:');
        await s.shot('confirm');
        await tap(page, 'Sure');
        await waitShown(page, '2/37');
        // The confirmation lies over the answer keys until it has slid away.
        await waitGone(page, 'Please confirm your answer choice:');
        await tap(page, 'B');
        await tap(page, 'Guess');
        await waitShown(page, '3/37');
        await waitGone(page, 'Please confirm your answer choice:');
        await tap(page, 'Info');
        await waitShown(page, 'This question');
        await waitShown(page, 'Pace says');
        await s.shot('running');
    });

    test('pauses and goes on; the background keeps it paused with its time', async () => {
        const { page } = s;
        await tap(page, 'Pause');
        await waitShown(page, keyTitle('Go'), true);
        const [left] = await textsLike(page, '^7\\d:\\d\\d$');
        await tap(page, keyTitle('Go'), true);
        await waitShown(page, 'Pause');
        // The device's home control: the program goes to the background, then comes back.
        await page.click('#home-button');
        await page.waitForFunction(() => window.orvaDevice.state.application === 'background');
        await pause(2500);
        await page.click('#reopen');
        await waitShown(page, keyTitle('Go'), true);
        const [after] = await textsLike(page, '^7\\d:\\d\\d$');
        assert.ok(after <= left && after >= '74:4', `${after} against ${left}`);
        await pause(1500);
        assert.deepEqual(await textsLike(page, '^7\\d:\\d\\d$'), [after]);
        await s.shot('paused');
        await tap(page, keyTitle('Go'), true);
        await waitShown(page, 'Pause');
    });

    test('finishes, and its results are graded and sorted', async () => {
        const { page, device } = s;
        await tap(page, 'Finish');
        await tap(page, 'Confirm');
        await waitShown(page, 'Reset');
        await tap(page, 'Results');
        await waitShown(page, '1.');
        await waitShown(page, 'guess');
        // The grade key of the first answer, right of its row.
        const row = await waitShown(page, '1.');
        const box = await screenBox(page, device);
        const gradeX = box.x + (device === 'phone' ? 250 : 370) * box.scale;
        await page.mouse.click(gradeX, row.y);
        await tap(page, 'Confirm');
        await waitGone(page, 'Do you want to grade this section?');
        await page.mouse.click(gradeX, row.y);
        await waitShown(page, '100%');
        await tap(page, 'Sort');
        await tap(page, 'Sort');
        await s.shot('results');
        await tap(page, 'Done');
        await waitGone(page, '100%');
    });

    test('Reset keeps the section, which all results list and back up by mail', async () => {
        const { page } = s;
        await tap(page, 'Reset');
        await waitShown(page, '1/37');
        await tap(page, 'Results');
        await waitShown(page, '^Quantitative 2/37 \\d\\d:\\d\\d \\(\\d\\d:\\d\\d\\)$', true);
        await s.shot('all-results');
        await tap(page, 'Backup');
        await tap(page, 'Mail a backup');
        await page.waitForFunction(() => window.orvaDevice.state.opened.length === 1);
        const [link] = await page.evaluate(() => window.orvaDevice.state.opened);
        const prefix = 'mailto:?subject=Tovrida&body=';
        assert.ok(link.startsWith(prefix), link.slice(0, 60));
        const body = decodeURIComponent(link.slice(prefix.length));
        assert.match(body, /^\*\*\* This is backup form Tovrida \(Timer\)/);
        assert.match(body, /\nTimer-Quantitative-0-1-37-A-sure-right-4500-\d\d:\d\d:\d\d\.\d{3}\|\d{8}-/);
        assert.match(body, /\nTimer-Quantitative-0-2-37-B-guess-grade it-4500-/);
        await s.shot('backup');
        await tap(page, 'Done');
        await waitGone(page, 'Mail a backup');
    });

    test('the kept section is deleted from the list at once', async () => {
        const { page, device } = s;
        await tap(page, 'Edit');
        const row = await waitShown(page, '^Quantitative 2/37', true);
        const box = await screenBox(page, device);
        await page.mouse.click(box.x + 22 * box.scale, row.y + 8 * box.scale);
        await tap(page, 'Delete');
        await waitGone(page, '^Quantitative 2/37', true);
        await s.shot('deleted');
        await tap(page, 'Done');
        await tap(page, 'Done');
        await waitGone(page, 'Backup');
        await tap(page, 'Done');
        await waitGone(page, 'Pace says');
        await waitShown(page, 'Library');
    });
}

describe('the timer on the phone', () => timerStory(withProgram('phone')));
describe('the timer on the tablet', () => timerStory(withProgram('tablet')));

describe('a backup of 1,000 kept sections', () => {
    const s = withProgram('phone', 1000);

    test('reaches the page whole as one mail link', async () => {
        const { page } = s;
        await tapToolButton(page, 'phone', 'Timer');
        await tap(page, 'Results');
        await tap(page, 'Backup');
        await tap(page, 'Mail a backup');
        await page.waitForFunction(() => window.orvaDevice.state.opened.length === 1, null, { timeout: 60000 });
        const [length, lines] = await page.evaluate(() => {
            const link = window.orvaDevice.state.opened[0];
            return [link.length, (decodeURIComponent(link).match(/\nTimer-Verbal-1-/g) ?? []).length];
        });
        console.log(`a backup of 1,000 sections: a mail link of ${length} characters`);
        assert.equal(lines, 41000);
        await s.shot('large-backup');
    });
});
