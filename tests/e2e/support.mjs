// What the browser tests share: starting a test program that prints its address first, reading
// the lines it prints after that, a headless Chromium with a fresh profile, and the steps a person
// takes on the device (open the program, dismiss the tip, tap a tool button by its caption, tap a
// text, wait until a text is shown). Every wait is on a state of the page, never on a time.
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import { cpSync, mkdirSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { createInterface } from 'node:readline';
import { after, before } from 'node:test';
import { chromium } from 'playwright-core';

export const artifacts = process.env.ORVA_E2E_ARTIFACTS ?? path.join(tmpdir(), 'orvakit-e2e-artifacts');

const profiles = new Map();  // a browser launched here -> its profile folder

// A browser with a fresh profile of its own: no cookie from earlier visits. The tests drive
// Chromium's headless shell, the same engine without the windows of the browser around it, which
// takes about a quarter less of the processor per test; with `full`, the whole browser a person
// uses (the benches time what a person would see).
export async function launchBrowser({ full = false, ...options } = {}) {
    const profile = mkdtempSync(path.join(tmpdir(), 'orvakit-chromium-'));
    let context;
    try {
        context = await chromium.launchPersistentContext(profile, {
            executablePath: full ? '/usr/bin/chromium' : '/usr/bin/chromium-headless-shell',
            headless: true,
            args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
                '--disable-background-networking', '--disable-component-update', '--disable-sync'],
            ...options,
        });
    } catch (err) {
        rmSync(profile, { recursive: true, force: true });
        throw err;
    }
    profiles.set(context, profile);
    return context;
}

// Removes the profiles of the browsers given, once they are closed; with none given, those of every
// browser launched here. Browsers that run side by side (the game's devices) remove their own only:
// the other's is still in use. A closed browser's last helper may still be writing its files, so a
// folder that is not yet empty is tried again.
export function removeProfiles(...contexts) {
    for (const context of contexts.length ? contexts : [...profiles.keys()]) {
        const profile = profiles.get(context);
        profiles.delete(context);
        if (profile) rmSync(profile, { recursive: true, force: true, maxRetries: 3 });
    }
}

// Starts a program and waits for the first line it prints (its address). `next(pattern)` waits
// for a later line that matches (lines already printed count), `exited` for the program's end;
// `tell(line)` writes a line to its standard input. With `cwd`, the program starts in that folder.
export async function startProgram(program, args = [], { cwd } = {}) {
    const child = spawn(program, args, { stdio: ['pipe', 'pipe', 'inherit'], cwd });
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

// Gives the pages of the context window.shownSpans(text, pattern): the spans of the texts a person
// sees that are the text (or, with `pattern`, match it as a regular expression): on screen, not
// hidden and not faded out (keys the program keeps transparent are still in the page), in page
// order; window.shownTexts(text, pattern): their centres; window.shownTextItems(text, pattern):
// each text beside its centre; window.shownImageItems(name): the centres of the pictures of that
// bundle image that are shown, and window.shownImages(name): how many pictures of it the views show,
// on screen or scrolled out of it (the marks of a list's rows, say).
export function installShownTexts(context) {
    return context.addInitScript(() => {
        // The page's last steps (taps, the program's messages), for an error to tell.
        const trail = [];
        window.orvaTrail = trail;
        window.orvaNote = (what) => {
            trail.push(`${Math.round(performance.now())} ${what}`);
            if (trail.length > 60) trail.shift();
        };
        window.addEventListener('orva-message', (event) => {
            const m = event.detail ?? {};
            if (m.type === 'patch' || m.type === 'tree' || m.type === 'handled')
                window.orvaNote(`${m.type} ${m.seq ?? m.input ?? ''}`);
        });
        for (const type of ['pointerdown', 'pointerup'])
            window.addEventListener(type, (e) => window.orvaNote(`${type} ${Math.round(e.clientX)},${Math.round(e.clientY)}`), true);
        // Shown: not hidden, not faded out, and its middle within the screen and within every view
        // around it that clips: a screen that has slid out stays in the page, beside the screen,
        // until the program removes it.
        const shown = (element, anywhere = false) => {
            let opacity = 1;
            const r = element.getBoundingClientRect();
            const x = r.left + r.width / 2;
            const y = r.top + r.height / 2;
            for (let node = element; node && node.nodeType === 1; node = node.parentElement) {
                const style = getComputedStyle(node);
                if (style.display === 'none' || style.visibility === 'hidden') return false;
                opacity *= Number(style.opacity);
                if (!anywhere && (node.id === 'screen' || node.classList.contains('clips'))) {
                    const box = node.getBoundingClientRect();
                    if (x < box.left || x > box.right || y < box.top || y > box.bottom) return false;
                }
            }
            return opacity > 0.5;
        };
        window.shownSpans = (text, pattern = false) => [...document.querySelectorAll('.text > span')].filter((span) =>
            (pattern ? new RegExp(text).test(span.textContent) : span.textContent === text) && shown(span));
        window.shownImageItems = (name) => [...document.querySelectorAll('img')]
            .filter((img) => img.src.includes(name) && shown(img)).map((img) => {
                const r = img.getBoundingClientRect();
                return { x: r.x + r.width / 2, y: r.y + r.height / 2 };
            });
        window.shownImages = (name) => [...document.querySelectorAll('img')]
            .filter((img) => img.src.includes(name) && shown(img, true)).length;
        window.shownTextItems = (text, pattern = false) => window.shownSpans(text, pattern).map((span) => {
            const r = span.getBoundingClientRect();
            return { text: span.textContent, x: r.x + r.width / 2, y: r.y + r.height / 2 };
        });
        window.shownTexts = (text, pattern = false) => window.shownTextItems(text, pattern).map(({ x, y }) => ({ x, y }));
    });
}

// ---- The page's states

// A web view's frame, not its spare (a blank frame waiting for the next document) nor one on its
// way out: `${webViewElement} ${webFrame}`.
export const webFrame = 'iframe:not(.spare):not(.retiring)';

// Where a person taps an element of the page the last web view shows, in the page's points, once
// the screen is at rest. The driver places its own clicks in frames wrongly under the scaling of
// the device's picture, so the point is placed here through that scaling; the frame's page is
// scrolled (by itself, not the device's page) to bring the element into view first.
export async function webPagePoint(page, selector) {
    const element = page.frameLocator(webFrame).last().locator(selector);
    await element.waitFor({ state: 'visible' });
    await settled(page);
    const at = await element.evaluate((e) => {
        let r = e.getBoundingClientRect();
        if (r.top < 0 || r.bottom > window.innerHeight) {
            window.scrollBy(0, r.top + r.height / 2 - window.innerHeight / 2);
            r = e.getBoundingClientRect();
        }
        return { x: r.left + r.width / 2, y: r.top + r.height / 2 };
    });
    // The frame's own points are its box's, scaled as the device's picture is.
    const frame = await page.locator(webFrame).last().evaluate((f) => {
        const r = f.getBoundingClientRect();
        const scale = r.width / f.offsetWidth;
        return { x: r.left + f.clientLeft * scale, y: r.top + f.clientTop * scale, scale };
    });
    return { x: frame.x + at.x * frame.scale, y: frame.y + at.y * frame.scale };
}

// A person's tap on an element of the page the last web view shows: the browser's own click, which
// the page takes as the person's (a click a script makes never counts as theirs).
export async function tapInWebPage(page, selector) {
    const { x, y } = await webPagePoint(page, selector);
    await page.mouse.click(x, y);
}

// The question page's submit key, tapped as a person taps it, until the answer is revealed; the tap
// is made again only while the key is still there.
export function tapSubmitKey(page) {
    const frame = page.frameLocator(webFrame).last();
    return actUntil(() => tapInWebPage(page, '#button'),
        (timeout) => frame.locator('#explanation').waitFor({ state: 'visible', timeout }),
        { page, again: async () => (await frame.locator('#button').count()) > 0 });
}

// Waits until the page is at rest: the last patch painted and no animation running.
export function settled(page) {
    return explained(page, page.waitForFunction(() => window.orvaDevice?.settled()));
}

// Why the page is not at rest, and what of it runs: said when a wait on the page's state times out.
export function unrest(page) {
    return page.evaluate(() => {
        const screen = window.orvaDevice?.screen;
        if (!screen) return 'no screen';
        const running = screen.host.getAnimations({ subtree: true })
            .filter((a) => a.playState === 'running' || a.playState === 'pending')
            .map((a) => `${a.transitionProperty ?? a.animationName} on ${a.effect?.target?.dataset?.id ?? '?'}`);
        // The text fields on the screen, and which one has the focus: a wait on typed text says
        // what the fields held.
        const fields = [...screen.host.querySelectorAll('input, textarea')]
            .map((f) => `${f === document.activeElement ? 'focused ' : ''}${f.tagName.toLowerCase()} ${JSON.stringify(f.value)}`);
        return JSON.stringify({ settled: window.orvaDevice.settled(), seq: screen.seq, pending: screen.pending.length,
            drawing: screen.drawing, framesSincePatch: screen.framesSincePatch, framesBusy: window.orvaFrames.busy(),
            awaiting: window.orvaConnection.awaiting, running, fields, trail: window.orvaTrail });
    }).catch((err) => `unknown (${err.message})`);
}

// The wait's own answer; when it times out, the error says how the page stood then, and a picture
// of the page is kept beside the test's others.
let unrestShots = 0;
export async function explained(page, wait) {
    try {
        return await wait;
    } catch (err) {
        if (err?.name === 'TimeoutError' && !page.isClosed()) {
            const shot = path.join(artifacts, `timeout-${process.pid}-${++unrestShots}.png`);
            await page.screenshot({ path: shot }).catch(() => {});
            const said = `${err.message}\n    the page then: ${await unrest(page)}; picture ${shot}`;
            err.stack = err.stack?.replace(err.message, said);
            err.message = said;
        }
        throw err;
    }
}

// The number of the last tree or patch the page applied.
export const screenSeq = (page) => page.evaluate(() => window.orvaDevice.screen.seq);

// Runs an action that changes the screen (a tap, a turn), then waits until a patch has come after
// it and the page is at rest again.
export async function changing(page, action) {
    const before = await screenSeq(page);
    await action();
    await explained(page, page.waitForFunction((seq) => window.orvaDevice.screen.seq > seq && window.orvaDevice.settled(),
        before));
}

// Drags the finger up from the point `from` of the page `drags` times, each in `steps` moves of
// `step` pixels and let go while moving, and answers how long each move of the pressed finger
// waited for the program's next patch, in milliseconds, shortest first (a move that got none waited
// forever). The first move of a drag is not counted: it stays within the distance a finger must go
// before the content follows (ScrollView's kDragThreshold), so it changes nothing and has no patch of
// its own; nor are moves of the pointer not pressed.
export async function dragWaits(page, from, { drags, steps, step = 10 }) {
    await page.evaluate(() => {
        if (!window.dragTest) {
            window.addEventListener('orva-message', () => window.dragTest.messages.push(performance.now()));
            window.addEventListener('pointerdown', () => { window.dragTest.pressed = 0; }, true);
            window.addEventListener('pointermove', (e) => {
                if (e.buttons && window.dragTest.pressed++ > 0) window.dragTest.moves.push(performance.now());
            }, true);
        }
        window.dragTest = { moves: [], messages: [], pressed: 0 };
    });
    for (let n = 0; n < drags; n++) await drag(page, from, { x: 0, y: -steps * step }, steps);
    await settled(page);
    const waits = await page.evaluate(() => {
        const { moves, messages } = window.dragTest;
        return moves.map((m) => (messages.find((t) => t >= m) ?? Infinity) - m);
    });
    return waits.sort((a, b) => a - b);
}

// ---- Texts a person sees (installShownTexts must be given to the context)

// The centres of the shown texts that are `text` (with `pattern`, that match it), in page order:
// the last is on top.
export const shownTexts = (page, text, pattern = false) =>
    page.evaluate(([t, p]) => window.shownTexts(t, p), [text, pattern]);

// Each shown text that is `text` (with `pattern`, that matches it) beside its centre, in page order.
export const shownTextItems = (page, text, pattern = false) =>
    page.evaluate(([t, p]) => window.shownTextItems(t, p), [text, pattern]);

// Waits until the text is shown (with `gone`, until it is not) and answers the centre of the one on
// top (with `which`, the given one in page order). The centre comes from the same look that found
// the text, so a text that moves on meanwhile cannot leave the answer empty. Only a look taken once
// the program has handled all that the page sent counts: before, a tap's effect may still be on its
// way, and a text that showed before it (under the screen it is to close) would pass for its effect.
export async function waitShown(page, text, { pattern = false, gone = false, which = -1 } = {}) {
    const found = await explained(page, page.waitForFunction(([t, p, g, w]) => {
        if (window.orvaConnection.awaiting) return false;
        const all = window.shownTexts(t, p);
        if (g) return all.length === 0;
        return all.at(w) ?? false;
    }, [text, pattern, gone, which]));
    return gone ? null : found.jsonValue();
}

// Looks at the shown texts until `choose` (given their centres, here in the test) picks one, and
// answers it: the one of several that a step means, found again on every look until it is there.
export async function pickShown(page, text, choose, { pattern = false, timeout = 10000 } = {}) {
    const deadline = Date.now() + timeout;
    for (;;) {
        const picked = choose(await shownTexts(page, text, pattern));
        if (picked) return picked;
        if (Date.now() > deadline) throw new Error(`no "${text}" to pick`);
        await page.waitForFunction(() => new Promise((resolve) => requestAnimationFrame(() => resolve(true))));
    }
}

// Taps a text once it is shown: the one on top, or the given one in page order. Finding and
// tapping are one step. `hold`: ms between the press and the release.
export async function tapText(page, text, { which = -1, pattern = false, hold = 0 } = {}) {
    const { x, y } = await waitShown(page, text, { pattern, which });
    await page.mouse.click(x, y, { delay: hold });
}

// Taps a text, then waits until another is shown (with `gone`, until it is no longer shown) and the
// page is at rest: a screen or overlay opened or closed by a key, as one retried step (see
// `tapUntilShown`). With `once`, the key is tapped once only: one whose repeat would act twice.
export async function tapAndWait(page, text, shown, { gone = false, once = false, again } = {}) {
    if (!once) return tapUntilShown(page, text, shown, { gone, again });
    await tapSettled(page, text);
    await waitShown(page, shown, { gone });
    await settled(page);
}

// A picture of the screen (a key without a title), by its file name, tapped once the page is at
// rest; the last one is on top. Found in the same look that finds the page at rest: counted in one
// look and taken in another, a picture that went meanwhile left the step waiting for one that was
// no longer there.
export async function tapPicture(page, name, which = -1) {
    const found = await explained(page, page.waitForFunction(([n, w]) => window.orvaDevice.settled()
        && (window.shownImageItems(n).at(w) ?? false), [name, which]));
    const { x, y } = await found.jsonValue();
    await page.mouse.click(x, y);
}

// ---- The program's screens

// Opens the program's address in a new page and waits until `first` is shown and the page is at
// rest. With `tip`, the tip band that comes a second after the home screen is waited for and
// dismissed.
export async function openProgram(context, address, { first = 'Library', tip = false } = {}) {
    const page = await context.newPage();
    await page.goto(address);
    await page.waitForFunction(() => document.getElementById('connection').dataset.state === 'connected');
    await page.evaluate(() => document.fonts.ready);
    await waitShown(page, first);
    await settled(page);
    if (tip) await dismissTip(page);
    return page;
}

// Waits for the tip band to come and unfold, and closes it by its key.
export async function dismissTip(page) {
    await waitShown(page, '✕');
    await settled(page);
    await tapText(page, '✕');
    await waitShown(page, '✕', { gone: true });
    await settled(page);
}

// Device points: a home screen button's caption lies this far below the middle of its picture;
// the first two grid places lie this far apart.
export const homeLayout = { phone: { captionBelow: 45, column: 100 }, tablet: { captionBelow: 48, column: 150 } };

// The middle of a home screen button's picture, found from its caption, and the page's scale
// (found from the first two captions).
export async function toolButton(page, device, caption) {
    const first = await waitShown(page, 'Library');
    const second = await waitShown(page, 'Error Log');
    const scale = Math.abs(second.x - first.x) / homeLayout[device].column;
    const c = await waitShown(page, caption);
    return { x: c.x, y: c.y - homeLayout[device].captionBelow * scale, scale };
}

// Taps a home screen button by its caption.
export async function tapToolButton(page, device, caption) {
    const { x, y } = await toolButton(page, device, caption);
    await page.mouse.click(x, y);
}

// Opens a tool from the home screen as one retried step (see `actUntil`): taps its button once the
// page is at rest until the tool's own mark `shown` (a text that the home screen does not show) has
// come and the page is at rest again.
export async function openTool(page, device, caption, shown, { pattern = false } = {}) {
    await actUntil(async () => {
        await settled(page);
        await tapToolButton(page, device, caption);
    }, untilShown(page, shown, { pattern }), { page });
    await settled(page);
}

// ---- Fingers and keys

// A finger put down at a point, moved by an offset in equal steps, and lifted.
export async function drag(page, from, by, steps = 8) {
    await page.mouse.move(from.x, from.y);
    await page.mouse.down();
    for (let i = 1; i <= steps; i++) await page.mouse.move(from.x + by.x * i / steps, from.y + by.y * i / steps);
    await page.mouse.up();
}

// The centre of the element the program drew the bundle picture with: the first one in view (not
// hidden, not faded out); waits until there is one.
export async function pictureCentre(page, name) {
    const find = (n) => {
        for (const img of document.querySelectorAll(`img[src*="${n}"]`)) {
            let shown = true;
            for (let e = img; e && e.nodeType === 1; e = e.parentElement) {
                const s = getComputedStyle(e);
                if (s.display === 'none' || s.visibility === 'hidden' || Number(s.opacity) === 0) shown = false;
            }
            const r = img.getBoundingClientRect();
            if (shown && r.width > 0) return { x: r.x + r.width / 2, y: r.y + r.height / 2 };
        }
        return null;
    };
    await page.waitForFunction(find, name);
    return page.evaluate(find, name);
}

// Types into the visible text entry that matches the selector (the nth of them), tapped as a finger
// would: the locator's own click would scroll the screen's clipped boxes to show it. With
// `replace`, the text it held is taken back key by key first (a selection would bring up the edit
// menu); with `atEnd`, the text goes after all it holds; with `enter`, the keyboard's return key
// follows.
export async function typeInto(page, selector, text, { nth = 0, replace = false, atEnd = false, enter = false } = {}) {
    const field = page.locator(`${selector}:visible`).nth(nth);
    const box = await field.boundingBox();
    await page.mouse.click(box.x + box.width / 2, box.y + Math.min(box.height / 2, 15));
    await page.waitForFunction(([sel, n]) => document.activeElement === [...document.querySelectorAll(sel)]
        .filter((e) => e.offsetParent !== null)[n], [selector, nth]);
    // The program answers the tap that focused the field (it may place the caret, or show the
    // field's text anew): keys pressed before that answer came would be undone by it.
    await settled(page);
    if (replace) {
        await page.keyboard.press('End');
        for (let n = (await field.inputValue()).length; n > 0; n--) await page.keyboard.press('Backspace');
    }
    if (atEnd) await page.keyboard.press('Control+End');
    await page.keyboard.type(text);
    if (enter) await page.keyboard.press('Enter');
    await settled(page);
}

// The card on top of the flashcard viewer: the frontmost wide view tagged 2 (card views are tagged
// alike only on the viewer).
export async function cardBox(page) {
    const boxes = await page.locator('.el[data-tag="2"]').evaluateAll((nodes) => nodes.map((n) => {
        const r = n.getBoundingClientRect();
        return { x: r.x, y: r.y, width: r.width, height: r.height };
    }));
    return boxes.filter((b) => b.width > 100).at(-1);
}

// Where the card pages on show place their text, read in the frames: for each visible frame whose
// page has a deck look's text box (`.container`, `.container1`), how far (pixels) the box's centre
// stands from the frame's middle and how far its words reach out of the frame on either side
// (0 when all lie within). Waits until one is shown.
export async function cardTextPlaces(page) {
    const measure = () => {
        const box = document.querySelector('.container, .container1');
        if (!box || !document.body) return null;
        const r = box.getBoundingClientRect();
        let left = Infinity;
        let right = -Infinity;
        const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
        for (let node = walker.nextNode(); node; node = walker.nextNode()) {
            if (!node.textContent.trim() || node.parentElement.closest('style, script')) continue;
            const range = document.createRange();
            range.selectNodeContents(node);
            for (const q of range.getClientRects()) {
                left = Math.min(left, q.left);
                right = Math.max(right, q.right);
            }
        }
        if (left === Infinity) return null;
        return {
            offCentre: Math.abs(r.left + r.width / 2 - window.innerWidth / 2),
            outside: Math.max(0, -left, right - window.innerWidth),
        };
    };
    await settled(page);
    const deadline = Date.now() + 10000;
    for (;;) {
        const places = [];
        for (const frame of page.frames()) {
            if (frame === page.mainFrame()) continue;
            const element = await frame.frameElement().catch(() => null);
            if (!element || !(await element.isVisible())) continue;
            const place = await frame.evaluate(measure).catch(() => null);
            if (place) places.push(place);
        }
        if (places.length) return places;
        if (Date.now() >= deadline) throw new Error('no card page with a text box is shown');
        await page.waitForFunction(() => new Promise((resolve) => requestAnimationFrame(() => resolve(true))));
    }
}

// Checks that the card pages on show stand their text in the middle of the card, whole.
export async function assertCardTextCentred(page, what) {
    const places = await cardTextPlaces(page);
    assert.ok(places.every((p) => p.offCentre < 2 && p.outside < 1), `${what}: ${JSON.stringify(places)}`);
}

// ---- Web pages on the screen

// The texts of the web pages on show (their frames visible, not faded out), read in the frames
// themselves; pages without text are left out.
export async function shownFrameTexts(page) {
    const texts = [];
    for (const frame of page.frames()) {
        if (frame === page.mainFrame()) continue;
        const element = await frame.frameElement().catch(() => null);
        if (!element || !(await element.isVisible())) continue;
        const visible = await element.evaluate((el) => {
            for (let n = el; n && n.nodeType === 1; n = n.parentElement) {
                const s = getComputedStyle(n);
                if (s.display === 'none' || s.visibility === 'hidden' || Number(s.opacity) === 0) return false;
            }
            return true;
        });
        if (!visible) continue;
        texts.push((await frame.evaluate(() => document.body ? document.body.innerText : '').catch(() => '')).trim());
    }
    return texts.filter((t) => t);
}

// Waits until the web pages on show pass the check (pages load in their frames after the patch
// that places them); answers their texts. `what` names the state in the error.
export async function untilFrameTexts(page, check, what) {
    await settled(page);
    const deadline = Date.now() + 10000;
    for (;;) {
        const texts = await shownFrameTexts(page);
        if (check(texts)) return texts;
        if (Date.now() >= deadline) throw new Error(`${what}: ${JSON.stringify(texts)}`);
        await page.waitForFunction(() => new Promise((resolve) => requestAnimationFrame(() => resolve(true))));
    }
}

// ---- Hooks of a test file

// The browser of a test file: launched (with the shown-text helpers) before its tests; after them
// closed, its profile and the file's temporary folders removed. `context` is set once launched;
// `folder(prefix)` makes a temporary folder that goes with the rest.
export function useBrowser({ viewport = { width: 900, height: 1100 }, timeout = null, full = false } = {}) {
    const browser = { folders: [] };
    before(async () => {
        mkdirSync(artifacts, { recursive: true });
        browser.context = await launchBrowser({ viewport, full });
        if (timeout) browser.context.setDefaultTimeout(timeout);
        await installShownTexts(browser.context);
    });
    after(async () => {
        await browser.context?.close();
        removeProfiles(browser.context);
        for (const folder of browser.folders.splice(0)) rmSync(folder, { recursive: true, force: true });
    });
    browser.folder = (prefix) => {
        const folder = mkdtempSync(path.join(tmpdir(), prefix));
        browser.folders.push(folder);
        return folder;
    };
    // A copy of the program's resources in a folder of its own whose Info.json has the given keys
    // besides the shipped ones (the addresses of a test's fake services), for `--resources`.
    browser.bundle = (prefix, info) => {
        const folder = browser.folder(prefix);
        const resources = path.join(process.env.ORVA_SOURCE, 'resources');
        cpSync(resources, folder, { recursive: true });
        const shipped = JSON.parse(readFileSync(path.join(resources, 'Info.json'), 'utf8'));
        writeFileSync(path.join(folder, 'Info.json'), JSON.stringify({ ...shipped, ...info }, null, 2));
        return folder;
    };
    return browser;
}

// Inside a describe: the program started before its tests with the arguments (or those a function
// answers then) and shown in the page that `open(address)` makes; both ended after the tests.
// Answers an object whose `run` and `page` are set once started.
export function withProgram(program, args, open) {
    const s = {};
    before(async () => {
        s.run = await startProgram(program, typeof args === 'function' ? await args() : args);
        s.page = await open(s.run.address);
    });
    after(async () => {
        await s.page?.close().catch(() => {});
        s.run?.child.kill('SIGTERM');
        await s.run?.exited;
    });
    return s;
}

// ---- Steps on screens that move

// Taps a text once it is shown and the page is at rest (screens slide in and rows reload). The text
// is looked for in the same look that finds the page at rest: a patch that comes between the two
// would start a transition, and the text found then (a key of the screen on its way out) would be
// tapped where it was drawn on its way, where the program has another screen by then.
export async function tapSettled(page, text, { which = -1, pattern = false } = {}) {
    const found = await explained(page, page.waitForFunction(([t, p, w]) => {
        const at = window.orvaDevice.settled() && (window.shownTexts(t, p).at(w) ?? false);
        if (at) window.orvaNote?.(`tap "${t}" at ${Math.round(at.x)},${Math.round(at.y)}`);
        return at;
    }, [text, pattern, which]));
    const { x, y } = await found.jsonValue();
    await page.mouse.click(x, y);
}

// Does `act` (a tap) and waits until `reached` (an async check of the page, given a timeout in
// milliseconds) holds: one retried step. A tap can miss (it landed where a screen on its way left
// nothing to take it); while the state has not come a few seconds after the program handled the tap
// (with `page`; else after the tap) and `again` (by default always) says the tap's target is still
// there, it is made again. Only for taps whose repeat is harmless once the first took effect: a key
// that closes what holds it, or a switch whose effect comes at once.
export async function actUntil(act, reached, { tries = 3, patience = 5000, again = async () => true, page = null } = {}) {
    const last = () => (page ? explained(page, reached(30000)) : reached(30000));
    for (let attempt = 1; ; attempt++) {
        await act();
        // With the page, the patience counts from when the program has handled the tap: a tap
        // still on its way is not made again (a second tap on a key that switches would undo it).
        if (page) await handled(page);
        if (attempt === tries) return last();
        try {
            return await reached(patience);
        } catch (err) {
            if (err?.name !== 'TimeoutError') throw err;
        }
        if (!(await again())) return last();
        // Said in the test's output: how often a tap goes without effect is worth knowing.
        console.error(`a tap had no effect within ${patience} ms: made again (try ${attempt + 1} of ${tries})`);
    }
}

// Waits until the program has handled all that the page sent it.
export function handled(page) {
    return explained(page, page.waitForFunction(() => !window.orvaConnection.awaiting, null, { timeout: 30000 }));
}

// Taps a text once the page is at rest and waits until `reached` holds, as `actUntil` does; the tap
// is made again only while the text is still shown.
export function tapUntil(page, text, reached, { tries = 3, patience = 5000, ...options } = {}) {
    return actUntil(() => tapSettled(page, text, options), reached, {
        tries, patience, page, again: async () => (await shownTexts(page, text, options.pattern)).length > 0,
    });
}

// The state for `tapUntil` that a text is shown (with `gone`, that it is not), looked at as
// `waitShown` does once the program has handled the tap.
export const untilShown = (page, text, { pattern = false, gone = false } = {}) => (timeout) =>
    page.waitForFunction(([t, p, g]) => {
        const reached = !window.orvaConnection.awaiting && (window.shownTexts(t, p).length > 0) !== g;
        if (reached) window.orvaNote?.(`${g ? 'gone' : 'seen'} "${t}"`);
        return reached;
    }, [text, pattern, gone], { timeout });

// A key that leads to another state, tapped as one retried step: taps the text once the page is at
// rest and waits until `state` is shown (with `gone`, until it is no longer shown) and the page is
// at rest again; while that has not come, the tap is made again as long as the text `again` (by
// default the key itself; with `gone`, the state's text) still says that the screen before holds.
// The state must be a mark of the
// next screen of its own, one that the screen before does not show (a key of the same name on the
// next screen would take a repeated tap as a second step); and no key is tapped this way whose
// repeat would act twice once the first took effect (an answer, a key that adds).
export async function tapUntilShown(page, text, state, { gone = false, again = gone ? state : text, statePattern = false, ...options } = {}) {
    const againPattern = again === state ? statePattern : again === text && (options.pattern ?? false);
    await actUntil(() => tapSettled(page, text, options), untilShown(page, state, { pattern: statePattern, gone }), {
        page, again: async () => (await shownTexts(page, again, againPattern)).length > 0,
    });
    await settled(page);
}

// Waits until the page is at rest and its texts have stood still for some frames: a list that a
// drag left decelerating moves on in steps that the program sends frame by frame.
export async function still(page, frames = 20) {
    await page.waitForFunction((n) => {
        const now = window.shownTextItems('.', true).map((t) => `${t.text}@${t.x},${t.y}`).join();
        const seen = window.orvaStill ?? (window.orvaStill = { picture: null, frames: 0 });
        if (now === seen.picture) seen.frames += 1;
        else Object.assign(seen, { picture: now, frames: 0 });
        if (seen.frames < n || !window.orvaDevice.settled()) return false;
        window.orvaStill = null;
        return true;
    }, frames, { polling: 'raf' });
}

// Scrolls a list, a drag at a time from `start` (a point of the page inside it), until the text
// stands between the device points `top` and `bottom`; answers its centre. A text not shown yet is
// looked for further down the list (with `upwards`, further up) until the list stops at its end,
// then the other way.
export async function scrollUntilShown(page, text, start, { top = 100, bottom = 420, by = 150, upwards = false } = {}) {
    let direction = upwards ? 1 : -1;
    const picture = () => page.evaluate(() => window.shownTextItems('.', true).map((t) => `${t.text}@${t.y}`).join());
    await still(page);
    for (let tries = 0; tries < 60; tries++) {
        const found = (await shownTexts(page, text)).at(-1);
        if (found) {
            const [, y] = await page.evaluate(([x, y]) => window.orvaDevice.toDevice(x, y), [found.x, found.y]);
            if (y >= top && y <= bottom) return found;
            direction = y > bottom ? -1 : 1;
        }
        const before = await picture();
        await drag(page, start, { x: 0, y: direction * by }, 12);
        await still(page);
        if (!found && (await picture()) === before) direction = -direction;
    }
    throw new Error(`"${text}" was not scrolled into view`);
}

// A point low in the middle of the device's screen, where drags of its lists start.
export async function listPoint(page) {
    const box = await page.locator('#screen').boundingBox();
    return { x: box.x + box.width / 2, y: box.y + box.height * 0.75 };
}

// Scrolls the list on the screen until the text shows in the middle of the screen (the device's
// height decides where that is); answers its centre. Options as scrollUntilShown's.
export async function scrollListTo(page, device, text, options = {}) {
    return scrollUntilShown(page, text, await listPoint(page), { top: 60, bottom: device === 'phone' ? 400 : 900, ...options });
}

// The count the practice filter editor's header shows ("Filter: N").
export async function filterCount(page) {
    await waitShown(page, '^Filter: \\d+$', { pattern: true });
    const [{ text }] = await page.evaluate(() => window.shownTextItems('^Filter: \\d+$', true));
    return Number(text.slice('Filter: '.length));
}

// Waits until the mail composer beside the device shows a mail whose body matches, and answers
// the mail: to, subject, body and the mail link the program asked the display to open.
export async function mailed(page, pattern, timeout = 30000) {
    await page.waitForFunction((p) => new RegExp(p).test(window.orvaServices.state.mail?.body ?? ''), pattern.source,
        { timeout });
    return page.evaluate(() => window.orvaServices.state.mail);
}

// Inside a describe: the program as the device, on a data folder of its own and the resources that
// `resources()` answers (made before the tests), shown past its tip band; started before the tests
// and ended after them. Answers an object whose `run` and `page` are set once started, with
// `end()` (the program must end cleanly) and `launch()` (on the same data), for a restart. With
// `relativeData`, the data folder is given as a person often types it: "data/<device>", relative to
// the folder the program starts in.
export function withRestartableProgram(browser, program, { prefix, device, resources, relativeData = false }) {
    const s = {};
    let bundle;
    let data;
    let cwd;
    s.launch = async () => {
        s.run = await startProgram(program, ['--data-dir', data, '--device', device, '--resources', bundle], { cwd });
        s.page = await openProgram(browser.context, s.run.address, { tip: true });
    };
    s.end = async () => {
        await s.page?.close().catch(() => {});
        s.run?.child.kill('SIGTERM');
        assert.equal((await s.run.exited).code, 0);
    };
    before(async () => {
        bundle = resources();
        data = browser.folder(`${prefix}-data-${device}-`);
        if (relativeData) [cwd, data] = [data, path.join('data', device)];
        await s.launch();
    });
    after(() => s.end());
    return s;
}
