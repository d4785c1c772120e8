// Steps shared by the error log's browser tests: a run of the program on a data folder with a
// synthetic answer key, taps on texts and pictures once they stand still, and the answer pad.
import assert from 'node:assert/strict';
import { after, before } from 'node:test';
import { execFileSync } from 'node:child_process';
import { mkdirSync, mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import {
    artifacts, explained, installShownTexts, launchBrowser, removeProfiles, settled, startProgram, tapPicture, tapSettled, tapText,
    waitShown,
} from './support.mjs';

export { tapPicture };

export const waitGone = (page, text) => waitShown(page, text, { gone: true });

// Waits until the text stands still: a screen that slides in moves its keys until it is in.
export async function textSettled(page, text) {
    await waitShown(page, text);
    await settled(page);
}

// A tap on the text, the one on top, once it stands still.
export const tap = (page, text) => tapSettled(page, text);

// The answer pad slides up from the finish key; a letter closes it.
export async function answer(page, letter, guess = false) {
    await tapPicture(page, 'Section_buttons_finish');
    await textSettled(page, letter);
    if (guess) {
        await tapPicture(page, 'guess_btn_inactive');
        await page.locator('img[src*="guess_btn_active"]:visible').waitFor();
    }
    // An answer is tapped once, as the pad stands still: a second tap would answer the next question.
    await tapSettled(page, letter);
    await explained(page, page.locator('img[src*="guess_btn_"]').first().waitFor({ state: 'detached' }));
}

// Starts the program on the data folder s.data as the device, in a new page of the browser context
// (s.run, s.page), past the home screen's entrance and the tip band that comes a second after it.
export async function openErrorLogProgram(context, program, s, device) {
    s.run = await startProgram(program, ['--data-dir', s.data, '--device', device]);
    s.page = await context.newPage();
    await s.page.goto(s.run.address);
    await s.page.evaluate(() => document.fonts.ready);
    await waitShown(s.page, 'Library');
    await settled(s.page);
    // A tip band may come; a fresh start and a restart both bring one within a few seconds.
    const tip = await s.page.waitForFunction(() => window.shownTexts('✕').length > 0, null, { timeout: 4000 })
        .then(() => true, () => false);
    if (tip) {
        await settled(s.page);
        await tapText(s.page, '✕');
        await waitGone(s.page, '✕');
        await settled(s.page);
    }
}

export async function endProgram(s) {
    await s.page.close();
    s.run.child.kill('SIGTERM');
    assert.equal((await s.run.exited).code, 0);
}

// The error log's runs of the program for one device: a fresh data folder with a synthetic answer
// key of the first book (test data, written by the errorlog_data program), the program started on
// it before the device's tests and ended after them. s.right holds the key's letters of the first
// problem-solving questions by number; s.shot(name) keeps a screenshot "PREFIX-DEVICE-NAME.png"
// once the screen is at rest.
export function errorLogRun(prefix, device, getContext) {
    const program = process.env.ORVAKIT;
    const writeData = process.env.ORVA_ERRORLOG_DATA;
    const s = { data: mkdtempSync(path.join(tmpdir(), `orvakit-${prefix}-`)) };
    s.shot = async (name) => {
        await settled(s.page);
        await s.page.screenshot({ path: path.join(artifacts, `${prefix}-${device}-${name}.png`) });
    };
    before(async () => {
        assert.ok(program && writeData, 'ORVAKIT and ORVA_ERRORLOG_DATA name the programs');
        const keys = execFileSync(writeData, [s.data], { encoding: 'utf8' }).trim().split('\n');
        s.right = Object.fromEntries(keys.map((line) => line.split(' ')));
        await openErrorLogProgram(getContext(), program, s, device);
    });
    after(async () => {
        if (s.run && s.run.child.exitCode === null) await endProgram(s);
        rmSync(s.data, { recursive: true, force: true });
    });
    return s;
}

// A browser for the tests of a file, with the shown-texts helper, opened before them and closed
// after; answers a getter of its context.
export function browserForTests(options = { viewport: { width: 900, height: 1150 } }) {
    let context;
    before(async () => {
        mkdirSync(artifacts, { recursive: true });
        context = await launchBrowser(options);
        await installShownTexts(context);
    });
    after(async () => {
        await context?.close();
        removeProfiles();
    });
    return () => context;
}
