// The error log in the real program, on the phone and the tablet: a data folder holds a synthetic
// answer key (test data, written by the errorlog_data program) for the first book only and a
// companion explanation of its first problem-solving question. From the home screen the Error Log
// button opens the books; a book opens its sections and a section its tracker, where three
// questions are timed with the stopwatch and answered on the pad (one right, one wrong as a guess,
// one right), the official answer of a fourth is revealed and the first one's explanation is read
// with a larger font. Back at the book the success rate counts the scored answers. In the book
// without a key an answer shows its letter without a mark. After a restart the attempts are
// there. Screenshots are kept as artefacts.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdirSync, mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import {
    artifacts, installShownTexts, launchBrowser, removeProfiles, shownTexts as shown, startProgram, tapToolButton, waitShown,
} from './support.mjs';

const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

const program = process.env.ORVAKIT;
const writeData = process.env.ORVA_ERRORLOG_DATA;
const folders = [];
let context;

before(async () => {
    assert.ok(program && writeData, 'ORVAKIT and ORVA_ERRORLOG_DATA name the programs');
    mkdirSync(artifacts, { recursive: true });
    context = await launchBrowser({ viewport: { width: 900, height: 1150 } });
    await installShownTexts(context);
});

after(async () => {
    await context?.close();
    removeProfiles();
    for (const folder of folders) rmSync(folder, { recursive: true, force: true });
});

const waitGone = (page, text) => page.waitForFunction((t) => window.shownTexts(t).length === 0, text);
// A tap on the text once it stands still (see settled).
async function tap(page, text) {
    await settled(page, text);
    const { x, y } = await waitShown(page, text);
    await page.mouse.click(x, y);
}
// Waits until the text stands still: a screen that slides in moves its keys until it is in.
async function settled(page, text) {
    await waitShown(page, text);
    await page.waitForFunction((t) => {
        const [at] = window.shownTexts(t).slice(-1);
        const key = JSON.stringify(at);
        const settled = window.lastPlace === key;
        window.lastPlace = key;
        return settled;
    }, text, { polling: 150 });
}
// A picture of the screen (a key without a title), by its file name; the last one is on top.
async function tapPicture(page, name, which = -1) {
    const pictures = page.locator(`img[src*="${name}"]:visible`);
    await pictures.first().waitFor();
    const box = await pictures.nth(which < 0 ? (await pictures.count()) + which : which).boundingBox();
    await page.mouse.click(box.x + box.width / 2, box.y + box.height / 2);
}
// The question's row: a tap on its number.
const tapRow = (page, number) => tap(page, `${number}.`);

async function openProgram(s, device) {
    s.run = await startProgram(program, ['--data-dir', s.data, '--device', device]);
    s.page = await context.newPage();
    await s.page.goto(s.run.address);
    await s.page.evaluate(() => document.fonts.ready);
    await waitShown(s.page, 'Library');
    await pause(1600);  // the home screen's entrance has ended and a tip band, if any, is up
    const [close] = await shown(s.page, '✕');
    if (close) await s.page.mouse.click(close.x, close.y);
}

async function endProgram(s) {
    await s.page.close();
    s.run.child.kill('SIGTERM');
    assert.equal((await s.run.exited).code, 0);
}

// The answer pad slides up from the finish key; a letter closes it.
async function answer(page, letter, guess = false) {
    await tapPicture(page, 'Section_buttons_finish');
    await settled(page, letter);
    if (guess) {
        await tapPicture(page, 'guess_btn_inactive');
        await page.locator('img[src*="guess_btn_active"]:visible').waitFor();
    }
    await tap(page, letter);
    await page.locator('img[src*="guess_btn_"]').first().waitFor({ state: 'detached' });
}

function flow(device) {
    const s = { data: mkdtempSync(path.join(tmpdir(), 'orvakit-errorlog-')) };
    folders.push(s.data);
    const shot = async (name) => {
        await pause(500);  // the entrances have ended
        await s.page.screenshot({ path: path.join(artifacts, `errorlog-${device}-${name}.png`) });
    };

    before(async () => {
        const keys = execFileSync(writeData, [s.data], { encoding: 'utf8' }).trim().split('\n');
        s.right = Object.fromEntries(keys.map((line) => line.split(' ')));
        await openProgram(s, device);
    });
    after(async () => { if (s.run && s.run.child.exitCode === null) await endProgram(s); });

    test('three timed answers are scored in the book with a key', async () => {
        const { page } = s;
        await tapToolButton(page, device, 'Error Log');
        await waitShown(page, 'OG12');
        await shot('books');
        await tap(page, 'OG12');
        await waitShown(page, 'Problem Solving');
        await shot('book');
        await tap(page, 'Problem Solving');
        await waitShown(page, '1.');
        await shot('section');

        await tapRow(page, 1);
        await tapPicture(page, 'Section_buttons_start');
        await waitShown(page, device === 'phone' ? 'Sections' : 'Book');
        await waitShown(page, '0/230');
        await pause(1200);  // the first question takes a second on the stopwatch
        const other = (letter) => 'ABCDE'.split('').find((l) => l !== letter);
        await answer(page, s.right['1']);
        await answer(page, other(s.right['2']), true);
        await shot('running');
        await answer(page, s.right['3']);
        await waitShown(page, '3/230');
        await tapPicture(page, 'tb_stop');
        await waitShown(page, 'Book');
        await page.locator('img[src*="Section_right"]:visible').first().waitFor();
        assert.equal(await page.locator('img[src*="Section_right"]:visible').count(), 2);
        assert.equal(await page.locator('img[src*="Section_wrong"]:visible').count(), 1);
        await waitShown(page, 'g');

        // The fourth question has no explanation: its OA key shows the key's letter.
        const oa = await shown(page, 'OA');
        await page.mouse.click(oa[0].x, oa[0].y);
        await waitShown(page, '^[A-E]$', { pattern: true });
        await shot('answered');
    });

    test('the first question\'s explanation is read with a larger font', async () => {
        const { page } = s;
        await tap(page, 'Explain');
        const title = device === 'phone' ? 'OG12 PS #1' : 'OG12 Problem Solving #1';
        await waitShown(page, title);
        const frame = page.frameLocator('iframe').last();
        await frame.locator('text=stands in for a companion explanation').waitFor();
        await frame.locator('text=The correct answer is').waitFor();
        await tap(page, 'Aa');
        await tap(page, 'A+');
        const body = frame.locator('body');
        await assert.doesNotReject(async () => {
            for (let i = 0; i < 50 && await body.evaluate((b) => b.style.fontSize) !== '14pt'; ++i) await pause(100);
        });
        assert.equal(await body.evaluate((b) => b.style.fontSize), '14pt');
        await shot('explanation');
        await tap(page, 'Aa');
        await tap(page, 'Done');
        await waitGone(page, title);
    });

    test('the book counts the scored answers; a book without a key does not score', async () => {
        const { page } = s;
        await tap(page, 'Book');
        await waitShown(page, '66.7 %');
        await shot('bars');
        await tap(page, 'Books');
        await waitShown(page, 'OG Quant 2');
        await tap(page, 'OG Quant 2');
        await tap(page, 'Problem Solving');
        await tapRow(page, 1);
        await tapPicture(page, 'Section_buttons_start');
        await pause(600);  // the question takes a moment on the stopwatch
        await answer(page, 'D');
        await tapPicture(page, 'tb_stop');
        await waitShown(page, 'D');
        assert.equal(await page.locator('img[src*="Section_right"]:visible, img[src*="Section_wrong"]:visible').count(), 0);
        await shot('unscored');
        await tap(page, 'Book');
        await waitShown(page, 'success rate');
        await tap(page, 'Books');
        await waitShown(page, 'OG12');
    });

    test('the attempts are there after a restart', async () => {
        await endProgram(s);
        await openProgram(s, device);
        const { page } = s;
        await tapToolButton(page, device, 'Error Log');
        await tap(page, 'OG12');
        await waitShown(page, '66.7 %');
        await tap(page, 'Problem Solving');
        await page.locator('img[src*="Section_wrong"]:visible').first().waitFor();
        await shot('restarted');
    });
}

describe('phone', () => flow('phone'));
describe('tablet', () => flow('tablet'));
