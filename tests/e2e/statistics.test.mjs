// The statistics in the real program over seven weeks of practice answers (written beforehand by
// the statistics_data program): on the phone the home screen's Statistics button opens the tool
// with its charts, a tap on the chart shows the next kind, the table is scrolled to and Done closes
// the tool; on the tablet the home screen's pane shows the statistics, and the test date set in the
// editor that the Test Date button opens starts the countdown. Screenshots are kept as artefacts.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdirSync, mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { artifacts, installShownTexts, launchBrowser, removeProfiles, startProgram } from './support.mjs';

const program = process.env.ORVAKIT;
const writeData = process.env.ORVA_STATISTICS_DATA;
const folders = [];
let context;

before(async () => {
    assert.ok(program && writeData, 'ORVAKIT and ORVA_STATISTICS_DATA name the programs');
    mkdirSync(artifacts, { recursive: true });
    context = await launchBrowser({ viewport: { width: 900, height: 1150 } });
    await installShownTexts(context);
});

after(async () => {
    await context?.close();
    removeProfiles();
    for (const folder of folders) rmSync(folder, { recursive: true, force: true });
});

const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
const shown = (page, text, pattern = false) => page.evaluate(([t, p]) => window.shownTexts(t, p), [text, pattern]);
// Waits until a text (or a text matching a pattern's source) is shown; answers its centre.
async function waitShown(page, text, pattern = false) {
    await page.waitForFunction(([t, p]) => window.shownTexts(t, p).length > 0, [text, pattern]);
    return (await shown(page, text, pattern))[0];
}
async function tap(page, text) {
    const { x, y } = await waitShown(page, text);
    await page.mouse.click(x, y);
}
const shot = async (page, name) => {
    await pause(500);  // the entrances have ended
    await page.screenshot({ path: path.join(artifacts, `statistics-${name}.png`) });
};
const percent = (name) => `^${name}\\(\\d+\\.\\d%\\)$`;

// A tool button's picture lies this far (device points) above its caption; two neighbouring grid
// columns this far apart.
const layout = { phone: { captionBelow: 45, column: 100 }, tablet: { captionBelow: 48, column: 150 } };
async function tapButton(page, device, caption) {
    const first = await waitShown(page, 'Library');
    const second = await waitShown(page, 'Error Log');
    const scale = Math.abs(second.x - first.x) / layout[device].column;
    const c = await waitShown(page, caption);
    await page.mouse.click(c.x, c.y - layout[device].captionBelow * scale);
}

function withProgram(device) {
    const s = {};
    before(async () => {
        const data = mkdtempSync(path.join(tmpdir(), 'orvakit-statistics-'));
        folders.push(data);
        execFileSync(writeData, [data]);
        s.run = await startProgram(program, ['--data-dir', data, '--device', device]);
        s.page = await context.newPage();
        await s.page.goto(s.run.address);
        await s.page.evaluate(() => document.fonts.ready);
        await pause(2000);  // the home screen's entrance has ended and a tip band, if any, is up
        // With more than 400 answers the feedback tool opens by itself once.
        const [done] = await shown(s.page, 'Done');
        if (done) {
            await s.page.mouse.click(done.x, done.y);
            await pause(1000);
        }
        await waitShown(s.page, 'Library');
        const [close] = await shown(s.page, '✕');
        if (close) await s.page.mouse.click(close.x, close.y);
    });
    after(async () => {
        await s.page?.close().catch(() => {});
        s.run?.child.kill('SIGTERM');
        await s.run?.exited;
    });
    return s;
}

describe('the statistics tool on the phone', () => {
    const s = withProgram('phone');

    test('opens from the home screen with the charts of every answer', async () => {
        const { page } = s;
        await tapButton(page, 'phone', 'Statistics');
        for (const caption of ['All', 'Q', 'V']) await waitShown(page, percent(caption), true);
        await waitShown(page, 'step is a day');
        assert.ok(await page.locator('.el[data-kind="bitmap"]').count() >= 5, 'curves and bars are drawn');
        await shot(page, 'phone-tool');
    });

    test('a tap on the chart shows the next kind, and the next', async () => {
        const { page } = s;
        const hint = await waitShown(page, 'Tap the chart for other curves');
        const chart = { x: hint.x - 100, y: hint.y + 120 };
        await page.mouse.click(chart.x, chart.y);
        for (const caption of ['Q', 'DS', 'PS']) await waitShown(page, percent(caption), true);
        await shot(page, 'phone-tool-q');
        await page.mouse.click(chart.x, chart.y);
        for (const caption of ['V', 'SC', 'RC', 'CR']) await waitShown(page, percent(caption), true);
    });

    test('scrolls to the table of answers and closes with Done', async () => {
        const { page } = s;
        const title = await waitShown(page, 'Accuracy');
        await page.mouse.move(title.x, title.y + 250);
        await page.mouse.wheel(0, 400);
        await waitShown(page, 'Overall');
        await shot(page, 'phone-tool-table');
        await tap(page, 'Done');
        await page.waitForFunction(() => window.shownTexts('Accuracy').length === 0);
        await waitShown(page, 'Statistics');
    });
});

describe('the statistics pane on the tablet', () => {
    const s = withProgram('tablet');

    test('shows the statistics beside the countdown, which the editor starts', async () => {
        const { page } = s;
        for (const caption of ['All', 'Q', 'V']) await waitShown(page, percent(caption), true);
        await waitShown(page, 'No test date set yet. Set one with the Test Date button.');
        await shot(page, 'tablet-home');

        await tapButton(page, 'tablet', 'Test Date');
        await waitShown(page, 'I know my test date');
        await tap(page, 'OFF');
        await shot(page, 'tablet-editor');
        // Two days later (earlier at the end of a month): the day wheel dragged by two rows. The
        // day wheel lies left of the time wheels.
        const day = new Date().getDate();
        const shift = day <= 26 ? 2 : -2;
        const leftmost = async (text) => (await shown(page, text)).sort((a, b) => a.x - b.x)[0];
        const picked = await leftmost(String(day + shift));
        const selected = await leftmost(String(day));
        await page.mouse.move(picked.x, picked.y);
        await page.mouse.down();
        for (let i = 1; i <= 8; i++) await page.mouse.move(picked.x, picked.y + (selected.y - picked.y) * i / 8);
        await pause(300);
        await page.mouse.up();
        await pause(800);
        await tap(page, 'Done');
        if (shift > 0) {
            await waitShown(page, '1 day');
            await waitShown(page, '^23:5\\d:\\d\\d$', true);
        } else {
            await waitShown(page, 'Your test date has passed.');
        }
        await shot(page, 'tablet-countdown');
    });
});
