// What the browser tests share: starting a test program that prints its address first, reading
// the lines it prints after that, and a headless Chromium with a fresh profile.
import assert from 'node:assert/strict';
import { after, before } from 'node:test';
import { execFileSync, spawn } from 'node:child_process';
import { mkdirSync, mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { createInterface } from 'node:readline';
import { chromium } from 'playwright-core';

export const artifacts = process.env.ORVA_E2E_ARTIFACTS ?? path.join(tmpdir(), 'orvakit-e2e-artifacts');

const profiles = [];

// A browser with a fresh profile of its own: no cookie from earlier visits.
export async function launchBrowser(options = {}) {
    const profile = mkdtempSync(path.join(tmpdir(), 'orvakit-chromium-'));
    profiles.push(profile);
    return chromium.launchPersistentContext(profile, {
        executablePath: '/usr/bin/chromium',
        headless: true,
        args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
            '--disable-background-networking', '--disable-component-update', '--disable-sync'],
        ...options,
    });
}

export function removeProfiles() {
    for (const profile of profiles.splice(0)) rmSync(profile, { recursive: true, force: true });
}

// Starts a program and waits for the first line it prints (its address). `next(pattern)` waits
// for a later line that matches (lines already printed count), `exited` for the program's end;
// `tell(line)` writes a line to its standard input.
export async function startProgram(program, args = []) {
    const child = spawn(program, args, { stdio: ['pipe', 'pipe', 'inherit'] });
    const lines = [];
    const waiters = [];
    const exited = new Promise((resolve) => child.once('exit', (code, signal) => resolve({ code, signal })));
    const reader = createInterface({ input: child.stdout });
    let gotAddress;
    const first = new Promise((resolve, reject) => {
        gotAddress = resolve;
        child.once('error', reject);
        exited.then(({ code }) => reject(new Error(`${path.basename(program)} ended with ${code}`)));
    });
    // One listener from the start: lines that come in the same chunk as the address are kept.
    let addressLine = null;
    reader.on('line', (line) => {
        if (addressLine === null) {
            addressLine = line;
            gotAddress(line);
            return;
        }
        lines.push(line);
        for (const w of waiters.splice(0)) if (!w.settle()) waiters.push(w);
    });
    const address = await first;
    const next = (pattern, timeout = 10000) => new Promise((resolve, reject) => {
        const w = {
            settle() {
                const found = lines.find((l) => pattern.test(l));
                if (found === undefined) return false;
                lines.splice(lines.indexOf(found), 1);
                clearTimeout(w.timer);
                resolve(found);
                return true;
            },
        };
        if (w.settle()) return;
        w.timer = setTimeout(() => reject(new Error(`no line like ${pattern}; printed: ${lines.join(' | ')}`)), timeout);
        waiters.push(w);
    });
    const tell = (line) => child.stdin.write(line + '\n');
    return { child, address, lines, next, exited, tell };
}

// Gives the pages of the context window.shownTexts(text, pattern): the centres of the texts a person
// sees that are the text (or, with `pattern`, match it as a regular expression): on screen, not
// hidden and not faded out (keys the program keeps transparent are still in the page).
export function installShownTexts(context) {
    return context.addInitScript(() => {
        window.shownTexts = (text, pattern = false) => [...document.querySelectorAll('.text > span')].filter((span) => {
            if (pattern ? !new RegExp(text).test(span.textContent) : span.textContent !== text) return false;
            let opacity = 1;
            for (let node = span; node && node.nodeType === 1; node = node.parentElement) {
                const style = getComputedStyle(node);
                if (style.display === 'none' || style.visibility === 'hidden') return false;
                opacity *= Number(style.opacity);
            }
            return opacity > 0.5;
        }).map((span) => {
            const r = span.getBoundingClientRect();
            return { x: r.x + r.width / 2, y: r.y + r.height / 2 };
        });
    });
}

export const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// The centres of a text shown in the page (see installShownTexts).
export const shown = (page, text, pattern = false) =>
    page.evaluate(([t, p]) => window.shownTexts(t, p), [text, pattern]);

// Waits until a text (or a text matching a pattern's source) is shown; answers the centre of the
// first one, or with `last` of the last one (the one on top).
export async function waitShown(page, text, pattern = false, last = false) {
    await page.waitForFunction(([t, p]) => window.shownTexts(t, p).length > 0, [text, pattern]);
    const found = await shown(page, text, pattern);
    return last ? found.at(-1) : found[0];
}

// A tool button of the home screen, by its caption: its picture lies this far (device points)
// above the caption, and two neighbouring grid columns this far apart.
const homeGrid = { phone: { captionBelow: 45, column: 100 }, tablet: { captionBelow: 48, column: 150 } };
export async function tapToolButton(page, device, caption) {
    const first = await waitShown(page, 'Library');
    const second = await waitShown(page, 'Error Log');
    const scale = Math.abs(second.x - first.x) / homeGrid[device].column;
    const c = await waitShown(page, caption);
    await page.mouse.click(c.x, c.y - homeGrid[device].captionBelow * scale);
}

export const waitGone = (page, text) => page.waitForFunction((t) => window.shownTexts(t).length === 0, text);
// A tap on the text once it stands still (see settled).
export async function tap(page, text) {
    await settled(page, text);
    const { x, y } = await waitShown(page, text, false, true);
    await page.mouse.click(x, y);
}
// Waits until the text stands still: a screen that slides in moves its keys until it is in.
export async function settled(page, text) {
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
export async function tapPicture(page, name, which = -1) {
    const pictures = page.locator(`img[src*="${name}"]:visible`);
    await pictures.first().waitFor();
    const box = await pictures.nth(which < 0 ? (await pictures.count()) + which : which).boundingBox();
    await page.mouse.click(box.x + box.width / 2, box.y + box.height / 2);
}

// The answer pad slides up from the finish key; a letter closes it.
export async function answer(page, letter, guess = false) {
    await tapPicture(page, 'Section_buttons_finish');
    await settled(page, letter);
    if (guess) {
        await tapPicture(page, 'guess_btn_inactive');
        await page.locator('img[src*="guess_btn_active"]:visible').waitFor();
    }
    await tap(page, letter);
    await page.locator('img[src*="guess_btn_"]').first().waitFor({ state: 'detached' });
}

// Starts the program on the data folder s.data as the device, in a new page of the browser context
// (s.run, s.page), past the home screen's entrance and tip band.
export async function openProgram(context, program, s, device) {
    s.run = await startProgram(program, ['--data-dir', s.data, '--device', device]);
    s.page = await context.newPage();
    await s.page.goto(s.run.address);
    await s.page.evaluate(() => document.fonts.ready);
    await waitShown(s.page, 'Library');
    await pause(1600);  // the home screen's entrance has ended and a tip band, if any, is up
    const [close] = await shown(s.page, '✕');
    if (close) await s.page.mouse.click(close.x, close.y);
}

export async function endProgram(s) {
    await s.page.close();
    s.run.child.kill('SIGTERM');
    assert.equal((await s.run.exited).code, 0);
}

// The error log's runs of the program for one device: a fresh data folder with a synthetic answer
// key of the first book (test data, written by the errorlog_data program), the program started on
// it before the device's tests and ended after them. s.right holds the key's letters of the first
// problem-solving questions by number; s.shot(name) keeps a screenshot "PREFIX-DEVICE-NAME.png".
export function errorLogRun(prefix, device, getContext) {
    const program = process.env.ORVAKIT;
    const writeData = process.env.ORVA_ERRORLOG_DATA;
    const s = { data: mkdtempSync(path.join(tmpdir(), `orvakit-${prefix}-`)) };
    s.shot = async (name) => {
        await pause(500);  // the entrances have ended
        await s.page.screenshot({ path: path.join(artifacts, `${prefix}-${device}-${name}.png`) });
    };
    before(async () => {
        assert.ok(program && writeData, 'ORVAKIT and ORVA_ERRORLOG_DATA name the programs');
        const keys = execFileSync(writeData, [s.data], { encoding: 'utf8' }).trim().split('\n');
        s.right = Object.fromEntries(keys.map((line) => line.split(' ')));
        await openProgram(getContext(), program, s, device);
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
