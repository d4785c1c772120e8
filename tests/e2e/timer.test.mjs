// The timer tool of the real program on the phone and on the tablet: opened from the home screen,
// its options and the custom section's editor and keypad are shown, a quantitative section is
// started, answered sure and as a guess, shows its extended figures,
// pauses and goes on, stays paused with its time unchanged while the program is in the
// background, and is finished. Its results are graded and sorted, Reset keeps it, the list of all
// results shows it, the backup key hands the backup text to the mail composer beside the device,
// the kept section is deleted, and the mailed backup, pasted into the device, restores it.
// Screenshots are kept as artefacts.
//
// A user who keeps 1,000 sections of 41 answers backs them up too: the whole backup reaches the
// page's mail composer.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import path from 'node:path';
import {
    artifacts, changing, openProgram, settled, startProgram, tapSettled, tapToolButton, tapUntilShown, useBrowser,
    waitShown as shownAt,
} from './support.mjs';

const program = process.env.ORVAKIT;
const browser = useBrowser({ viewport: { width: 900, height: 1150 } });

before(() => assert.ok(program, 'ORVAKIT names the program'));

// This file's texts are often patterns (the clock, the key titles padded with spaces).
const waitShown = (page, text, pattern = false) => shownAt(page, text, { pattern });
const waitGone = (page, text, pattern = false) => shownAt(page, text, { pattern, gone: true });
// A tap on the shown text once the page is at rest (screens and overlays slide in).
function tap(page, text, pattern = false) {
    return tapSettled(page, text, { pattern });
}
// The shown texts that match the pattern.
const textsLike = async (page, pattern) => (await page.evaluate((p) => window.shownTextItems(p, true), pattern))
    .map(({ text }) => text);
// Waits until the mail composer beside the device shows a mail whose body matches, and answers it.
async function mailed(page, pattern, timeout = 30000) {
    await page.waitForFunction((p) => new RegExp(p).test(window.orvaServices.state.mail?.body ?? ''), pattern.source,
        { timeout });
    return page.evaluate(() => window.orvaServices.state.mail);
}
const keyTitle = (title) => `^\\s*${title}\\s*$`;
// The clock's time a second before the shown one ("74:50" before "74:51").
function clockBefore(shown) {
    const [m, s] = shown.split(':').map(Number);
    const left = m * 60 + s - 1;
    return `${String(Math.floor(left / 60)).padStart(2, '0')}:${String(left % 60).padStart(2, '0')}`;
}

const sizes = { phone: { width: 320 }, tablet: { width: 768 } };

// Page pixels per device point, and the screen's top left corner.
async function screenBox(page, device) {
    const box = await page.locator('#screen').boundingBox();
    return { ...box, scale: box.width / sizes[device].width };
}

function withProgram(device, sections = 0) {
    const s = { device, shot: async (name) => {
        await settled(s.page);
        await s.page.screenshot({ path: path.join(artifacts, `timer-${device}-${name}.png`) });
    } };
    before(async () => {
        const data = browser.folder('orvakit-timer-');
        if (sections) execFileSync(process.env.ORVA_TIMER_DATA, [data, String(sections)]);
        s.run = await startProgram(program, ['--data-dir', data, '--device', device]);
        // The kept sections' data turn the tips off; a fresh start shows one.
        s.page = await openProgram(browser.context, s.run.address, { tip: !sections });
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

    if (s.device === 'tablet') {
        test('turned, the clock, the keys and the confirmation under the clock show whole', async () => {
            const { page } = s;
            await changing(page, () => page.click('#rotate-right'));
            await s.shot('turned');
            const screen = await page.locator('#screen').boundingBox();
            const inside = (p) => p.x > screen.x && p.x < screen.x + screen.width && p.y > screen.y && p.y < screen.y + screen.height;
            for (const key of ['A', 'B', 'C', 'D', 'E', 'Pause', 'Finish']) {
                const at = await waitShown(page, key);
                assert.ok(inside(at), `${key} on the screen: ${JSON.stringify(at)}`);
            }
            await tap(page, 'C');
            const question = await waitShown(page, 'Please confirm your answer choice:');
            await settled(page);
            await s.shot('turned-confirm');
            const clock = (await page.evaluate(() => window.shownTextItems('^7\\d:\\d\\d$', true)))[0];
            const keyE = await waitShown(page, 'E');
            const sure = await waitShown(page, 'Sure');
            assert.ok(inside(sure) && inside(keyE), 'the confirmation and the keys are on the screen');
            // The panel rises under the clock; its text stands a little right of its middle.
            assert.ok(Math.abs(sure.x - clock.x) < 0.2 * screen.width, `${sure.x} under the clock at ${clock.x}`);
            assert.ok(keyE.y < question.y, 'the keys stand above the confirmation');
            await tap(page, 'Cancel');
            await waitGone(page, 'Please confirm your answer choice:');
            await changing(page, () => page.click('#rotate-left'));
        });
    }

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
        await page.click('#reopen');
        await waitShown(page, keyTitle('Go'), true);
        const [after] = await textsLike(page, '^7\\d:\\d\\d$');
        assert.ok(after <= left && after >= '74:4', `${after} against ${left}`);
        await s.shot('paused');
        // Going on, the clock counts down from the time it kept.
        await tap(page, keyTitle('Go'), true);
        await waitShown(page, 'Pause');
        await waitShown(page, clockBefore(after));
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
        const { subject, body } = await mailed(page, /^\*\*\* This is backup form Tovrida \(Timer\)/);
        assert.equal(subject, 'Tovrida');
        s.backup = body;
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
    });

    test('the mailed backup, pasted into the device, restores the deleted section', async () => {
        const { page } = s;
        assert.ok(await page.evaluate((text) => window.orvaServices.pasteIntoDevice(text), s.backup));
        await tap(page, 'Backup');
        await tap(page, 'Restore from the clipboard');
        await waitShown(page, '2/2');
        await s.shot('restored');
        // Three screens each end by a key "Done": each is made again only while its own screen shows.
        await tapUntilShown(page, 'Done', '^Quantitative 2/37 \\d\\d:\\d\\d \\(\\d\\d:\\d\\d\\)$',
            { statePattern: true, again: 'Restore from the clipboard' });
        await tapUntilShown(page, 'Done', 'Backup', { gone: true });
        await tapUntilShown(page, 'Done', 'Pace says', { gone: true });
        await waitShown(page, 'Library');
    });
}

describe('the timer on the phone', () => timerStory(withProgram('phone')));
describe('the timer on the tablet', () => timerStory(withProgram('tablet')));

describe('a backup of 1,000 kept sections', () => {
    const s = withProgram('phone', 1000);

    test('reaches the mail composer whole', async () => {
        const { page } = s;
        await tapToolButton(page, 'phone', 'Timer');
        await tap(page, 'Results');
        await tap(page, 'Backup');
        await tap(page, 'Mail a backup');
        const { body } = await mailed(page, /^\*\*\* This is backup form Tovrida \(Timer\)/, 60000);
        const [length, lines] = [body.length, (body.match(/\nTimer-Verbal-1-/g) ?? []).length];
        console.log(`a backup of 1,000 sections: a mail body of ${length} characters`);
        assert.equal(lines, 41000);
        await s.shot('large-backup');
    });
});
