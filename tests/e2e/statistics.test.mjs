// The statistics in the real program over seven weeks of practice answers (written beforehand by
// the statistics_data program): on the phone the home screen's Statistics button opens the tool
// with its charts, a tap on the chart shows the next kind, the table is scrolled to and Done closes
// the tool; on the tablet the home screen's pane shows the statistics, and the test date set in the
// editor that the Test Date button opens starts the countdown. Screenshots are kept as artefacts.
import { test, describe, before } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import path from 'node:path';
import {
    artifacts, changing, openProgram, pickShown, settled, tapText, tapToolButton, useBrowser, waitShown, withProgram,
} from './support.mjs';

const program = process.env.ORVAKIT;
const writeData = process.env.ORVA_STATISTICS_DATA;
assert.ok(program && writeData, 'ORVAKIT and ORVA_STATISTICS_DATA name the programs');
const browser = useBrowser({ viewport: { width: 900, height: 1150 } });

const shot = async (page, name) => {
    await settled(page);
    await page.screenshot({ path: path.join(artifacts, `statistics-${name}.png`) });
};
const percent = (name) => `^${name}\\(\\d+\\.\\d%\\)$`;
const waitPattern = (page, pattern) => waitShown(page, pattern, { pattern: true });

// The program on seven weeks of answers. With more than 400 answers the feedback tool opens by
// itself once (and no tip comes), maybe before the page shows the home screen: it is closed first.
function withAnswers(device) {
    const s = withProgram(program, () => {
        const data = browser.folder('orvakit-statistics-');
        execFileSync(writeData, [data]);
        return ['--data-dir', data, '--device', device];
    }, (address) => openProgram(browser.context, address, { first: 'Done' }));
    before(async () => {
        await tapText(s.page, 'Done');
        await waitShown(s.page, 'Done', { gone: true });
        await waitShown(s.page, 'Library');
        await settled(s.page);
    });
    return s;
}

describe('the statistics tool on the phone', () => {
    const s = withAnswers('phone');

    test('opens from the home screen with the charts of every answer', async () => {
        const { page } = s;
        await tapToolButton(page, 'phone', 'Statistics');
        for (const caption of ['All', 'Q', 'V']) await waitPattern(page, percent(caption));
        await waitShown(page, 'step is a day');
        assert.ok(await page.locator('.el[data-kind="bitmap"]').count() >= 5, 'curves and bars are drawn');
        await shot(page, 'phone-tool');
    });

    test('a tap on the chart shows the next kind, and the next', async () => {
        const { page } = s;
        const hint = await waitShown(page, 'Tap the chart for other curves');
        const chart = { x: hint.x - 100, y: hint.y + 120 };
        await page.mouse.click(chart.x, chart.y);
        for (const caption of ['Q', 'DS', 'PS']) await waitPattern(page, percent(caption));
        await shot(page, 'phone-tool-q');
        await page.mouse.click(chart.x, chart.y);
        for (const caption of ['V', 'SC', 'RC', 'CR']) await waitPattern(page, percent(caption));
    });

    test('scrolls to the table of answers and closes with Done', async () => {
        const { page } = s;
        const title = await waitShown(page, 'Accuracy');
        await page.mouse.move(title.x, title.y + 250);
        await page.mouse.wheel(0, 400);
        await waitShown(page, 'Overall');
        await shot(page, 'phone-tool-table');
        await tapText(page, 'Done');
        await waitShown(page, 'Accuracy', { gone: true });
        await waitShown(page, 'Statistics');
    });
});

describe('the statistics pane on the tablet', () => {
    const s = withAnswers('tablet');

    test('shows the statistics beside the countdown, which the editor starts', async () => {
        const { page } = s;
        for (const caption of ['All', 'Q', 'V']) await waitPattern(page, percent(caption));
        await waitShown(page, 'No test date set yet. Set one with the Test Date button.');
        await shot(page, 'tablet-home');

        await tapToolButton(page, 'tablet', 'Test Date');
        await waitShown(page, 'I know my test date');
        await tapText(page, 'OFF');
        await shot(page, 'tablet-editor');
        // Two days later (earlier at the end of a month): the day wheel dragged by two rows. The
        // day wheel lies left of the time wheels.
        const day = new Date().getDate();
        const shift = day <= 26 ? 2 : -2;
        const leftmost = (text) => pickShown(page, text, (all) => all.sort((a, b) => a.x - b.x)[0]);
        const picked = await leftmost(String(day + shift));
        const selected = await leftmost(String(day));
        await page.mouse.move(picked.x, picked.y);
        await page.mouse.down();
        await page.mouse.move(picked.x, selected.y, { steps: 8 });
        await page.mouse.up();
        await settled(page);  // the wheel has come to rest on the day
        await tapText(page, 'Done');
        if (shift > 0) {
            await waitShown(page, '1 day');
            await waitPattern(page, '^23:5\\d:\\d\\d$');
        } else {
            await waitShown(page, 'Your test date has passed.');
        }
        await shot(page, 'tablet-countdown');
    });

    test('turned, the pane shows its chart and countdown whole, and the tip band covers none of it', async () => {
        const { page } = s;
        // Back from the background the tip band comes again.
        await page.click('#home');
        await page.click('#reopen');
        await waitShown(page, '✕');
        for (const turn of ['#rotate-right', '#rotate-left']) {
            await changing(page, () => page.click(turn));
            await waitShown(page, '✕');
            await shot(page, `tablet-tip-${turn.slice(8)}`);
            const boxes = await page.evaluate(() => {
                const box = (span) => span.parentElement.getBoundingClientRect().toJSON();
                const one = (text) => window.shownSpans(text).map(box)[0];
                const key = one('✕');
                // The tip's text: the band's widest text beside its key.
                const tip = [...document.querySelectorAll('.text > span')].map(box)
                    .filter((b) => Math.abs(b.top + b.height / 2 - (key.top + key.height / 2)) < 4 && b.width > 200)[0];
                const [accuracy] = window.shownSpans('Accuracy');
                const pane = accuracy.closest('.el[data-kind="scroll"]').getBoundingClientRect().toJSON();
                const device = document.getElementById('screen').getBoundingClientRect().toJSON();
                return { key, tip, device, pane, accuracy: box(accuracy), testDate: one('Test date'),
                    days: one('1 day') ?? one('Your test date has passed.'), perStep: one('Answers per step') };
            });
            const { key, device, pane } = boxes;
            assert.ok(pane.bottom <= key.top + 1 || pane.top >= key.bottom - 1,
                `the pane ${pane.top}-${pane.bottom} is clear of the band ${key.top}-${key.bottom}`);
            assert.ok(pane.top >= device.top - 1 && pane.bottom <= device.bottom + 1, 'the pane is on the screen');
            // The countdown and the chart, which ends where the next row's title begins, show whole.
            for (const name of ['accuracy', 'testDate', 'days', 'perStep']) {
                const b = boxes[name];
                assert.ok(b && b.top >= pane.top - 1 && (name === 'perStep' ? b.top : b.bottom) <= pane.bottom + 1,
                    `${name} shows in the pane: ${JSON.stringify(b)}`);
            }
            // The band's text and key keep off the screen's edges (16 and 6 points).
            const point = device.width / (device.width > device.height ? 1024 : 768);
            assert.ok(boxes.tip.left - device.left >= 16 * point && device.right - key.right >= 6 * point,
                `the tip's text keeps off the screen's edges: ${JSON.stringify(boxes)}`);
        }
    });
});
