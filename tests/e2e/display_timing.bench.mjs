// A browser benchmark of the display, run by hand (it prints figures and asserts no time):
//
//     ORVAKIT=build/orvakit node --test tests/e2e/display_timing.bench.mjs
//
// On the phone and the tablet, in the practice tool of the real program:
// - the next key, forty times: from the tap to the first paint of the next question's page, as the
//   page in the frame recorded it;
// - taps on other screens (a set switched in the filter editor, twenty times): from the tap to the
//   animation frame in which the page has the program's patch applied, the frame that draws it;
// - the page at rest: the main thread's busy time over three seconds of nothing happening;
// - the program's resident memory over the forty questions.
// Medians and the 90th percentile are printed.
import { test, describe, before, after } from 'node:test';
import { readFileSync } from 'node:fs';
import assert from 'node:assert/strict';
import { openProgram, settled, startProgram, tapText, tapToolButton, useBrowser, waitShown } from './support.mjs';

const program = process.env.ORVAKIT;
const browser = useBrowser({ viewport: { width: 900, height: 1150 } });
const QUESTIONS = 40;
const TAPS = 20;
const MEMORY_QUESTIONS = 100;

before(() => assert.ok(program, 'ORVAKIT names the program'));

const sorted = (values) => [...values].sort((a, b) => a - b);
const median = (values) => sorted(values)[Math.floor(values.length / 2)];
const p90 = (values) => sorted(values)[Math.floor(values.length * 0.9)];
const figure = (values) => `median ${median(values).toFixed(1)} ms, p90 ${p90(values).toFixed(1)} ms`;

// The page keeps the time of the last tap's end and of the first animation frame after each
// patch, all in wall-clock milliseconds, so that times from frames in other processes compare.
async function installClocks(page) {
    await page.evaluate(() => {
        const now = (t) => performance.timeOrigin + t;
        window.timing = { tapEnd: 0, drawn: [], arrived: [] };
        window.addEventListener('pointerup', (e) => { window.timing.tapEnd = now(e.timeStamp); }, true);
        window.addEventListener('orva-message', (e) => {
            if (e.detail?.type !== 'patch') return;
            const seq = e.detail.seq;
            window.timing.arrived.push(now(performance.now()));
            requestAnimationFrame((t) => window.timing.drawn.push({ seq, at: now(t) }));
        });
    });
}

// The first paint of a question page that came after the tap, in whichever frame shows it. The
// frame records the time itself, so the frames are asked only once the page is at rest again:
// asking them every few milliseconds would take the very processor time that the frames being
// measured need, on two cores (it added 4 to 18 ms to the figure where the two were compared).
async function questionDrawn(page, tapEnd) {
    for (;;) {
        await page.waitForFunction(() => window.orvaDevice.settled(), null, { polling: 20 });
        for (const frame of page.frames()) {
            if (frame === page.mainFrame()) continue;
            const painted = await frame.evaluate(() => {
                if (!document.getElementById('submit')) return 0;
                const paint = performance.getEntriesByName('first-contentful-paint')[0];
                return paint ? performance.timeOrigin + paint.startTime : 0;
            }).catch(() => 0);
            if (painted > tapEnd) return painted;
        }
        await page.waitForTimeout(20);  // polling the frames; the time is read from the page itself
    }
}

async function tapImage(page, name) {
    const image = page.locator(`img[src*="${name}"]`).last();
    await image.waitFor({ state: 'visible' });
    await settled(page);
    const box = await image.boundingBox();
    await page.mouse.click(box.x + box.width / 2, box.y + box.height / 2);
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

function timingOn(device) {
    describe(`display timing on the ${device}`, () => {
        const s = {};
        before(async () => {
            const data = browser.folder(`orvakit-timing-${device}-`);
            s.run = await startProgram(program, ['--data-dir', data, '--device', device]);
            s.page = await openProgram(browser.context, s.run.address, { tip: true });
        });
        after(async () => {
            await s.page?.close().catch(() => {});
            s.run?.child.kill('SIGTERM');
            await s.run?.exited;
        });

        test('taps in the filter editor and the next question', async () => {
            const { page } = s;
            await tapToolButton(page, device, 'Practice');
            await waitShown(page, 'Filter and Sets');
            await settled(page);
            await tapText(page, 'Filter and Sets');
            await waitShown(page, 'Kaplan');
            await settled(page);
            await installClocks(page);
            const taps = [];
            for (let i = 0; i < TAPS; i++) {
                const seq = await page.evaluate(() => window.orvaDevice.screen.seq);
                await tapText(page, 'Kaplan');
                await page.waitForFunction((n) => window.timing.drawn.some((d) => d.seq > n), seq);
                taps.push(await page.evaluate((n) => window.timing.drawn.find((d) => d.seq > n).at - window.timing.tapEnd, seq));
                await settled(page);
            }
            const idleEditor = await idleLoad(page);
            await tapText(page, 'Done');
            await waitShown(page, 'Practise');
            await settled(page);
            await tapText(page, 'Practise');
            await questionDrawn(page, 0);
            await settled(page);
            const idleQuestion = await idleLoad(page);
            const loads = [];
            const patches = [];
            for (let i = 0; i < QUESTIONS; i++) {
                await tapImage(page, 'Practice_next');
                const tapEnd = await page.evaluate(() => window.timing.tapEnd);
                loads.push((await questionDrawn(page, tapEnd)) - tapEnd);
                patches.push(await page.evaluate((t) => window.timing.arrived.find((a) => a > t) - t, tapEnd));
            }
            // Memory over more questions, once the web view's history is as long as it gets.
            let residentBefore = 0;
            for (let i = 0; i < MEMORY_QUESTIONS; i++) {
                if (i === MEMORY_QUESTIONS / 2) residentBefore = residentKB(s.run.child.pid);
                await tapImage(page, 'Practice_next');
                const tapEnd = await page.evaluate(() => window.timing.tapEnd);
                await questionDrawn(page, tapEnd);
            }
            const grown = (residentKB(s.run.child.pid) - residentBefore) / (MEMORY_QUESTIONS / 2);
            console.log(`${device}: next question, its patch in the page ${figure(patches)}; the program grew ${grown.toFixed(1)} kB a question over the last ${MEMORY_QUESTIONS / 2} of ${MEMORY_QUESTIONS} more`);
            console.log(`${device}: next question drawn ${figure(loads)} (${QUESTIONS} questions)`);
            console.log(`${device}: filter editor tap to the frame drawing its patch ${figure(taps)} (${TAPS} taps)`);
            console.log(`${device}: page at rest, main thread busy and animation frames asked: ${idleEditor} (filter editor), ${idleQuestion} (question page)`);
        });
    });
}

timingOn('phone');
timingOn('tablet');
