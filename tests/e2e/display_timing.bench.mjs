// A browser benchmark of the display, run by hand (it prints figures and asserts no time):
//
//     ORVAKIT=build/orvakit node --test tests/e2e/display_timing.bench.mjs
//
// Every figure is taken from a tap (its release, the key held as a person holds it) to the moment
// the browser presented its result on the screen, as the page's own timelines record it (the
// presentation times of paint and element timing), so that a frame that began before the program's
// answer came counts for nothing:
// - the next key of the practice tool: the program's answer (the patch in the page), the next
//   question's page presented in its frame, and the screen's own patch presented (the question's
//   number and clock above it);
// - taps on other screens: a set switched in the filter editor, and the question screen's bookmark
//   key (which shows or hides the question's bookmark): their patch presented;
// - the page at rest: the main thread's busy time over three seconds of nothing happening, and the
//   program's resident memory over many questions (in the first round only).
// A patch's presentation is that of a mark the benchmark adds to the page with the patch, in the
// same task: the browser draws both in one frame.
//
// Beside the program, a stand-in shows how soon the browser can present a change at all: a page of
// its own with nothing in it but one frame of the display's size and scale, sandboxed as the
// display's are, with the display's frame shell waiting in it. Its next tap writes the page the
// program has just written (its text is there at the tap, as if it had just come; the frame before
// goes once the new page has been presented); its other tap changes words of its own page, as a
// patch of the screen does.
//
// To compare two builds side by side, ORVAKIT_BEFORE names the other program. The programs and the
// stand-in are open at once, each in a tab of the same browser, and take turns tap by tap (each
// brought to the front for its turn), so that the load of the moment falls on all alike. With ORVA_BENCH_LOAD=N a second half of the run is
// made under load: N processes that keep a processor busy, started from this one (so they share its
// processors: pin the run with `taskset -c 2,3 node --test ...`). ORVA_BENCH_ROUNDS (default 2) is
// how many rounds each condition has; ORVA_BENCH_DEVICES (default "phone,tablet") the devices. The
// medians and 90th percentiles are printed as a table (ORVA_BENCH_SAMPLES=1: every sample too).
import { test, before, after } from 'node:test';
import { spawn } from 'node:child_process';
import { createServer } from 'node:http';
import { readFileSync } from 'node:fs';
import assert from 'node:assert/strict';
import { openProgram, settled, startProgram, tapText, tapToolButton, useBrowser, waitShown } from './support.mjs';

const programs = [['before', process.env.ORVAKIT_BEFORE], ['after', process.env.ORVAKIT]].filter(([, p]) => p);
const browser = useBrowser({ viewport: { width: 900, height: 1150 }, full: true });
const QUESTIONS = 20;
const TAPS = 10;
const MEMORY_QUESTIONS = 100;
const ROUNDS = Number(process.env.ORVA_BENCH_ROUNDS || 2);
const LOAD = Number(process.env.ORVA_BENCH_LOAD || 0);
const conditions = LOAD > 0 ? ['quiet', 'loaded'] : ['quiet'];
const devices = (process.env.ORVA_BENCH_DEVICES || 'phone,tablet').split(',');
const STAND_IN = 'stand-in';

before(() => assert.ok(process.env.ORVAKIT, 'ORVAKIT names the program'));

const sorted = (values) => [...values].sort((a, b) => a - b);
const median = (values) => sorted(values)[Math.floor(values.length / 2)];
const p90 = (values) => sorted(values)[Math.floor(values.length * 0.9)];

// Samples by figure, device, condition and program.
const samples = new Map();
function record(figure, device, condition, program, value) {
    const key = JSON.stringify([figure, device, condition, program]);
    if (!samples.has(key)) samples.set(key, []);
    samples.get(key).push(value);
}
const notes = [];

// After a tap the pages are left alone for a while before they are asked anything: each question
// takes processor time from what is being measured (it added 4 to 18 ms to the figures on two
// processors where the two were compared).
const leaveAlone = () => new Promise((resolve) => setTimeout(resolve, 400));

// The page keeps, in wall-clock milliseconds (so that times from frames in other processes
// compare), the end of the last tap, the texts of the documents the program sent and, for every
// patch, when it came and when the frame that shows it was presented.
async function installClocks(page) {
    await page.evaluate(() => {
        const now = (t) => performance.timeOrigin + t;
        const patches = [];
        window.timing = { tapEnd: 0, patches, texts: [] };
        window.addEventListener('pointerup', (e) => { window.timing.tapEnd = now(e.timeStamp); }, true);
        // The marks sit in a corner of the page, apart from the device, each a new element whose
        // first presentation the browser reports.
        const corner = document.createElement('div');
        corner.style.cssText = 'position: fixed; left: 0; top: 0; width: 10px; height: 10px; font: 8px monospace; '
            + 'color: #555; pointer-events: none;';
        document.body.append(corner);
        new PerformanceObserver((list) => {
            for (const entry of list.getEntries()) {
                const seq = Number(entry.identifier.replace('patch-', ''));
                const at = now(entry.presentationTime ?? entry.renderTime);
                // A mark replaced before its frame came was presented with the one after it.
                for (const p of patches) if (p.seq <= seq && !p.presented) p.presented = at;
            }
        }).observe({ type: 'element', buffered: true });
        // After the display's own listener: the patch is applied when this runs.
        window.addEventListener('orva-message', (e) => {
            if (e.detail?.type === 'document') window.timing.texts.push(e.detail.html);
            if (e.detail?.type !== 'patch') return;
            const seq = e.detail.seq;
            patches.push({ seq, arrived: now(performance.now()), presented: 0 });
            const mark = document.createElement('div');  // a block: text is timed by its block
            mark.setAttribute('elementtiming', `patch-${seq}`);
            mark.textContent = String(seq % 10);
            corner.replaceChildren(mark);
        });
    });
}

// The browser draws only the tab in front: each tab is brought to the front for its turn and left
// to draw itself once before its tap.
async function toFront(page) {
    await page.bringToFront();
    await new Promise((resolve) => setTimeout(resolve, 300));
}

// The first patch after the last tap: when it came and when it was presented, from the tap.
async function tapPatch(page) {
    const handle = await page.waitForFunction(() => {
        const t = window.timing.tapEnd;
        const p = window.timing.patches.find((q) => q.arrived > t);
        return p && p.presented ? { arrived: p.arrived - t, presented: p.presented - t } : false;
    }, null, { polling: 50 });
    return handle.jsonValue();
}

// The presentation of the first paint of a question page that came after the tap, in whichever
// frame shows it. The frame records the time itself, so the frames are asked only once the page
// is at rest again.
async function questionPresented(page, tapEnd, display = true) {
    for (;;) {
        if (display) await page.waitForFunction(() => window.orvaDevice.settled(), null, { polling: 20 });
        for (const frame of page.frames()) {
            if (frame === page.mainFrame()) continue;
            const presented = await frame.evaluate(() => {
                if (!document.getElementById('submit')) return 0;
                const paint = performance.getEntriesByName('first-contentful-paint')[0];
                return paint ? performance.timeOrigin + (paint.presentationTime ?? paint.startTime) : 0;
            }).catch(() => 0);
            if (presented > tapEnd) return presented;
        }
        await page.waitForTimeout(20);  // polling the frames; the time is read from the page itself
    }
}

// A timed tap is a person's: the key is held for as long as a finger or a mouse button holds it,
// and the program acts on its release, from which the figures count. A press and a release sent
// together would time the release with the press's own work (the key lit, and that drawn) still
// under way, which a person's tap never meets.
const HOLD = 80;  // ms
const personsTap = (page, x, y) => page.mouse.click(x, y, { delay: HOLD });

async function tapImage(page, name) {
    const image = page.locator(`img[src*="${name}"]:visible`).last();
    await image.waitFor({ state: 'visible' });
    await settled(page);
    const box = await image.boundingBox();
    await personsTap(page, box.x + box.width / 2, box.y + box.height / 2);
}

// The program's resident memory in kB.
const residentKB = (pid) => Number(/VmRSS:\s+(\d+)/.exec(readFileSync(`/proc/${pid}/status`, 'utf8'))[1]);

// Busy time of the page's main thread over three seconds at rest, in ms per second, and the
// animation frames its scripts asked for meanwhile.
async function idleLoad(page) {
    await settled(page);
    await page.evaluate(() => {
        window.framesAsked = 0;
        if (window.countingFrames) return;
        window.countingFrames = true;
        const ask = window.requestAnimationFrame.bind(window);
        window.requestAnimationFrame = (callback) => {
            window.framesAsked += 1;
            return ask(callback);
        };
    });
    const cdp = await page.context().newCDPSession(page);
    await cdp.send('Performance.enable');
    const busy = async () => (await cdp.send('Performance.getMetrics')).metrics.find((m) => m.name === 'TaskDuration').value;
    const start = await busy();
    const began = Date.now();
    await new Promise((resolve) => setTimeout(resolve, 3000));  // a measured time at rest
    const used = (await busy()) - start;
    await cdp.detach();
    const seconds = (Date.now() - began) / 1000;
    const frames = await page.evaluate(() => window.framesAsked);
    return `${((used * 1000) / seconds).toFixed(2)} ms/s, ${(frames / seconds).toFixed(1)} frames/s`;
}

// A program started on a device and shown in a tab, in the filter editor with the clocks in place.
async function openSession(name, program, device) {
    const run = await startProgram(program, ['--data-dir', browser.folder(`orvakit-timing-${device}-`), '--device', device]);
    const page = await openProgram(browser.context, run.address, { tip: true });
    await tapToolButton(page, device, 'Practice');
    await waitShown(page, 'Filter and Sets');
    await settled(page);
    await tapText(page, 'Filter and Sets');
    await waitShown(page, 'Kaplan');
    await settled(page);
    await installClocks(page);
    return { name, run, page, idle: [] };
}

async function closeSession(s) {
    await s.page.close().catch(() => {});
    s.run.child.kill('SIGTERM');
    await s.run.exited;
}

// The program's memory over many more questions, once the web view's history is as long as it gets.
async function memoryNote(s, device) {
    let residentBefore = 0;
    for (let i = 0; i < MEMORY_QUESTIONS; i++) {
        if (i === MEMORY_QUESTIONS / 2) residentBefore = residentKB(s.run.child.pid);
        await tapImage(s.page, 'Practice_next');
        await leaveAlone();
        await questionPresented(s.page, await s.page.evaluate(() => window.timing.tapEnd));
    }
    const grown = (residentKB(s.run.child.pid) - residentBefore) / (MEMORY_QUESTIONS / 2);
    notes.push(`${s.name}, ${device}: the program grew ${grown.toFixed(1)} kB a question over the last `
        + `${MEMORY_QUESTIONS / 2} of ${MEMORY_QUESTIONS} more; page at rest, main thread busy and animation `
        + `frames asked: ${s.idle[0]} (filter editor), ${s.idle[1]} (question page)`);
}

// The stand-in's page, its frame placed and scaled as the display's web view is.
const shellPage = readFileSync(new URL('../../platform/display/web/frame.html', import.meta.url), 'utf8');
function standInPage({ frame, size }) {
    const scale = frame.width / size[0];
    return `<!DOCTYPE html><html><head><meta charset="utf-8"><style>
html, body { margin: 0; height: 100%; background: #2b2b2b; }
#device { position: absolute; left: ${frame.x}px; top: ${frame.y}px; width: ${size[0]}px; height: ${size[1]}px;
  transform: scale(${scale}); transform-origin: 0 0; background: #fff; }
iframe { position: absolute; left: 0; top: 0; width: 100%; height: 100%; border: 0; background: transparent; }
iframe.spare { z-index: 1; pointer-events: none; }
#tap { position: absolute; left: 0; top: 0; width: 60px; height: 40px; }
#change { position: absolute; left: 0; top: 50px; width: 60px; height: 40px; }
#words { position: absolute; left: 0; top: 100px; color: #ddd; font: 16px sans-serif; }
</style></head><body><div id="device"></div><button id="tap">next</button><button id="change">change</button>
<div id="words"></div><script>
'use strict';
const device = document.getElementById('device');
let shown = null;
let spare = null;
window.standIn = { tapEnd: 0, ready: false, text: '' };
function makeSpare() {
    const frame = document.createElement('iframe');
    frame.className = 'spare';
    frame.setAttribute('sandbox', 'allow-scripts allow-forms');
    frame.src = '/shell';
    device.prepend(frame);
    spare = frame;
    window.standIn.ready = false;
}
window.addEventListener('message', (e) => {
    if (spare && e.source === spare.contentWindow && e.data && e.data.orvaShell === 1) window.standIn.ready = true;
});
document.getElementById('tap').addEventListener('pointerup', (e) => {
    window.standIn.tapEnd = performance.timeOrigin + e.timeStamp;
    const frame = spare;
    spare = null;
    frame.classList.remove('spare');
    const text = new TextEncoder().encode(window.standIn.text);
    frame.contentWindow.postMessage({ orvaDisplay: 1, kind: 'write', text, address: '', ground: [255, 255, 255] },
        '*', [text.buffer]);
    const before = shown;
    shown = frame;
    setTimeout(() => { if (before) before.remove(); makeSpare(); }, 300);
});
// A change of the page itself, as a patch makes one: new words, timed when presented.
let changes = 0;
document.getElementById('change').addEventListener('pointerup', (e) => {
    window.standIn.tapEnd = performance.timeOrigin + e.timeStamp;
    window.standIn.presented = 0;
    const words = document.createElement('div');
    words.setAttribute('elementtiming', 'change');
    words.textContent = 'change ' + ++changes;
    document.getElementById('words').replaceChildren(words);
});
new PerformanceObserver((list) => {
    for (const entry of list.getEntries()) window.standIn.presented = performance.timeOrigin + entry.presentationTime;
}).observe({ type: 'element' });
makeSpare();
</script></body></html>`;
}

// Where the session's question page is: its frame's place in the tab and its size in points.
async function questionGeometry(s) {
    const question = s.page.locator('iframe:not(.spare):not(.retiring)').last();
    return { frame: await question.boundingBox(), size: await question.evaluate((f) => [f.clientWidth, f.clientHeight]) };
}

// The stand-in in a tab of its own, served by a server of its own, its frame placed as given.
async function openStandIn(geometry) {
    const server = createServer((request, response) => {
        if (request.url === '/shell') {
            response.writeHead(200, { 'Content-Type': 'text/html; charset=utf-8', 'Cache-Control': 'no-store',
                'Content-Security-Policy': "sandbox allow-scripts allow-forms; frame-ancestors 'self'" });
            response.end(shellPage);
        } else if (request.url === '/') {
            response.writeHead(200, { 'Content-Type': 'text/html; charset=utf-8' });
            response.end(standInPage(geometry));
        } else {
            response.writeHead(404);
            response.end();
        }
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    const page = await browser.context.newPage();
    const close = async () => {
        await page.close().catch(() => {});
        server.close();
    };
    await page.goto(`http://127.0.0.1:${server.address().port}/`, { waitUntil: 'commit' }).catch(async (err) => {
        await close();
        throw err;
    });
    return { page, close };
}

// The stand-in's tap, writing a page the program wrote: from the tap to the page presented.
async function standInTap(standIn, text) {
    const { page } = standIn;
    await toFront(page);
    await page.waitForFunction(() => window.standIn.ready);
    await page.evaluate((t) => { window.standIn.text = t; }, text);
    await page.click('#tap', { delay: HOLD });
    await leaveAlone();
    const tapEnd = await page.evaluate(() => window.standIn.tapEnd);
    return (await questionPresented(page, tapEnd, false)) - tapEnd;
}

// The stand-in's tap that changes words of its own page: from the tap to the change presented.
async function standInChange(standIn) {
    const { page } = standIn;
    await toFront(page);
    await page.click('#change', { delay: HOLD });
    await leaveAlone();
    const handle = await page.waitForFunction(() => window.standIn.presented && window.standIn.presented - window.standIn.tapEnd);
    return handle.jsonValue();
}

// One round on a device: the programs and the stand-in open at once, taking turns tap by tap.
async function round(device, condition, full) {
    const sessions = [];
    let standIn = null;
    try {
        for (const [name, program] of programs) sessions.push(await openSession(name, program, device));
        const put = (s, figure, value) => record(figure, device, condition, s.name, value);
        standIn = await openStandIn({ frame: { x: 100, y: 100, width: 320, height: 480 }, size: [320, 480] });
        // Taps that change the screen alone, the sessions and the stand-in's change of its own page
        // taking turns.
        const screenTaps = async (figure, tap) => {
            for (let i = 0; i < TAPS; i++) {
                for (const s of sessions) {
                    await toFront(s.page);
                    await tap(s.page);
                    await leaveAlone();
                    put(s, figure, (await tapPatch(s.page)).presented);
                    await settled(s.page);
                }
                record(figure, device, condition, STAND_IN, await standInChange(standIn));
            }
        };
        await screenTaps('filter editor: tap to its patch presented', (page) => tapText(page, 'Kaplan', { hold: HOLD }));
        for (const s of sessions) {
            await toFront(s.page);
            if (full) s.idle.push(await idleLoad(s.page));
            await tapText(s.page, 'Done');
            await waitShown(s.page, 'Practise');
            await settled(s.page);
            await tapText(s.page, 'Practise');
            await questionPresented(s.page, 0);
            await settled(s.page);
        }
        await screenTaps('bookmark key: tap to its patch presented', (page) => tapImage(page, 'tb_bookmarkpm'));
        for (const s of sessions) {
            if (!full) continue;
            await toFront(s.page);
            s.idle.push(await idleLoad(s.page));
        }
        await standIn.close();
        standIn = await openStandIn(await questionGeometry(sessions.at(-1)));
        for (let i = 0; i < QUESTIONS; i++) {
            for (const s of sessions) {
                await toFront(s.page);
                await tapImage(s.page, 'Practice_next');
                await leaveAlone();
                const tapEnd = await s.page.evaluate(() => window.timing.tapEnd);
                const shown = (await questionPresented(s.page, tapEnd)) - tapEnd;
                const patch = await tapPatch(s.page);
                put(s, 'next question: the program\'s patch in the page', patch.arrived);
                put(s, 'next question: tap to its page presented', shown);
                put(s, 'next question: its patch in the page to its page presented', shown - patch.arrived);
                put(s, 'next question: tap to the screen\'s patch presented', patch.presented);
            }
            const text = await sessions.at(-1).page.evaluate(() => window.timing.texts.at(-1));
            record('next question: tap to its page presented', device, condition, STAND_IN, await standInTap(standIn, text));
        }
        for (const s of sessions) {
            if (!full) continue;
            await toFront(s.page);
            await memoryNote(s, device);
        }
    } finally {
        await standIn?.close();
        for (const s of sessions) await closeSession(s);
    }
}

// Processes that keep a processor busy, for the loaded condition.
function startLoad(count) {
    return Array.from({ length: count }, () => spawn(process.execPath, ['-e', 'for (;;) {}'], { stdio: 'ignore' }));
}

for (const condition of conditions) {
    for (let n = 0; n < ROUNDS; n++) {
        for (const device of devices) {
            test(`on the ${device}, ${condition}, round ${n + 1}`, async () => {
                const load = condition === 'loaded' ? startLoad(LOAD) : [];
                try {
                    await round(device, condition, condition === 'quiet' && n === 0);
                } finally {
                    for (const busy of load) busy.kill();
                }
            });
        }
    }
}

after(() => {
    const cell = (values) => (values ? `${median(values).toFixed(1)} (${p90(values).toFixed(1)})` : '-');
    const columns = conditions.flatMap((c) => [...programs.map(([name]) => name), STAND_IN].map((name) => [c, name]));
    const figures = [...new Set([...samples.keys()].map((k) => JSON.stringify(JSON.parse(k).slice(0, 2))))];
    const lines = [`| ms, median (p90) | ${columns.map(([c, n]) => `${n}, ${c}`).join(' | ')} |`,
        `|---|${columns.map(() => '---').join('|')}|`];
    for (const key of figures) {
        const [figure, device] = JSON.parse(key);
        const cells = columns.map(([c, n]) => cell(samples.get(JSON.stringify([figure, device, c, n]))));
        lines.push(`| ${device}: ${figure} | ${cells.join(' | ')} |`);
    }
    console.log(lines.join('\n'));
    if (process.env.ORVA_BENCH_SAMPLES) {
        for (const [key, values] of samples) console.log(key, values.map((v) => v.toFixed(1)).join(' '));
    }
    for (const note of notes) console.log(note);
});
