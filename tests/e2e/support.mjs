// What the browser tests share: starting a test program that prints its address first, reading
// the lines it prints after that, and a headless Chromium with a fresh profile.
import { spawn } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
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

// Steps on pages whose context has installShownTexts. The centres of the shown texts that are the
// text (or match it, with `pattern`); waiting until one is shown (answering the last, which is
// drawn on top) or until none is.
export const shown = (page, text, pattern = false) => page.evaluate(([t, p]) => window.shownTexts(t, p), [text, pattern]);
export async function waitShown(page, text, pattern = false, timeout = 30000) {
    await page.waitForFunction(([t, p]) => window.shownTexts(t, p).length > 0, [text, pattern], { timeout });
    return (await shown(page, text, pattern)).at(-1);
}
export async function waitGone(page, text, pattern = false) {
    await page.waitForFunction(([t, p]) => window.shownTexts(t, p).length === 0, [text, pattern]);
}
// A tap on the shown text once it has stopped moving (screens and overlays slide in).
export async function tapShown(page, text, pattern = false) {
    let at = await waitShown(page, text, pattern);
    for (;;) {
        await page.waitForTimeout(120);
        const now = (await shown(page, text, pattern)).at(-1) ?? at;
        if (now.x === at.x && now.y === at.y) break;
        at = now;
    }
    await page.mouse.click(at.x, at.y);
}
// Opens a tool from the home screen: its button's picture lies above its caption.
const homeGrid = { phone: { captionBelow: 45, column: 100 }, tablet: { captionBelow: 48, column: 150 } };
export async function tapToolButton(page, device, caption) {
    const first = await waitShown(page, 'Library');
    const second = await waitShown(page, 'Error Log');
    const scale = Math.abs(second.x - first.x) / homeGrid[device].column;
    const c = await waitShown(page, caption);
    await page.mouse.click(c.x, c.y - homeGrid[device].captionBelow * scale);
}
