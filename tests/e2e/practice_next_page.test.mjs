// The next question's page never shows over the page before it, on the phone and on the tablet. In
// the real program the person answers a question and taps the next key, a few times; meanwhile the
// browser's screencast hands over every picture it composes. In the question page's place each
// picture must show one page: the answered one, or the next one, never the words of both. The
// pictures are read in a blank page of the browser. Screenshots of the pages are kept as artefacts.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { writeFileSync } from 'node:fs';
import path from 'node:path';
import {
    artifacts, openProgram, settled, startProgram, tapSubmitKey, tapText, tapToolButton, useBrowser,
    waitShown, webFrame,
} from './support.mjs';

const program = process.env.ORVAKIT;
assert.ok(program, 'ORVAKIT names the program');
const browser = useBrowser({ viewport: { width: 900, height: 1150 } });
const taps = 4;

// The question page's frame.
const question = (page) => page.frameLocator(webFrame).last();

// A tap on an element of the question page, given to the frame's element itself (see practice.test.mjs).
async function tapInPage(locator) {
    await locator.waitFor({ state: 'visible' });
    await locator.dispatchEvent('click');
}

// Answers the shown question and waits for its answer to be revealed.
async function answer(page, letter) {
    const frame = question(page);
    await tapInPage(frame.locator(`#radio${letter}`));
    await frame.locator(`#radio${letter}:checked`).waitFor({ timeout: 5000 });
    await tapSubmitKey(page);
    await settled(page);
}

// The pictures the browser composes from now until `stop()`, as the screencast gives them (JPEG),
// in the order they were composed; `composedAfter(time)` waits for one composed after that time
// (seconds since 1970).
async function screencast(page) {
    const cdp = await page.context().newCDPSession(page);
    const frames = [];
    let waiting = null;
    cdp.on('Page.screencastFrame', ({ data, metadata, sessionId }) => {
        frames.push({ data, width: metadata.deviceWidth, time: metadata.timestamp });
        if (waiting && metadata.timestamp >= waiting.time) waiting.resolve();
        cdp.send('Page.screencastFrameAck', { sessionId }).catch(() => {});
    });
    await cdp.send('Page.startScreencast', { format: 'jpeg', quality: 90, everyNthFrame: 1 });
    return {
        frames,
        composedAfter: (time) => new Promise((resolve) => {
            if (frames.some((f) => f.time >= time)) resolve();
            else waiting = { time, resolve };
        }),
        stop: async () => {
            await cdp.send('Page.stopScreencast');
            await cdp.detach();
            // The pictures may come out of their order.
            frames.sort((a, b) => a.time - b.time);
        },
    };
}

// For each picture: how much of the words only the page before had (`before`) and of those only
// the next page has (`next`) it shows in the question page's place, each from 0 to 1. The two
// pages are given as screenshots of that place; the pictures are scaled to it.
function overlaps(analyser, clip, beforePage, nextPage, frames) {
    return analyser.evaluate(async ({ clip, beforePage, nextPage, frames }) => {
        // The lightness of each pixel of the place: of a whole screenshot of it, or of the place
        // in a picture of the viewport `width` points wide.
        const pixels = async (base64, type, width = 0) => {
            const bytes = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
            const bitmap = await createImageBitmap(new Blob([bytes], { type }));
            const canvas = new OffscreenCanvas(clip.width, clip.height);
            const context = canvas.getContext('2d');
            const s = width ? bitmap.width / width : 0;
            if (s) context.drawImage(bitmap, clip.x * s, clip.y * s, clip.width * s, clip.height * s, 0, 0, clip.width, clip.height);
            else context.drawImage(bitmap, 0, 0, clip.width, clip.height);
            const { data } = context.getImageData(0, 0, clip.width, clip.height);
            const light = new Uint8Array(clip.width * clip.height);
            for (let i = 0; i < light.length; i++) {
                light[i] = (data[4 * i] * 299 + data[4 * i + 1] * 587 + data[4 * i + 2] * 114) / 1000;
            }
            return light;
        };
        const a = await pixels(beforePage, 'image/png');
        const b = await pixels(nextPage, 'image/png');
        // Words of one page only: dark there, light in the other.
        const onlyBefore = [];
        const onlyNext = [];
        for (let i = 0; i < a.length; i++) {
            if (a[i] < 90 && b[i] > 200) onlyBefore.push(i);
            else if (b[i] < 90 && a[i] > 200) onlyNext.push(i);
        }
        const shown = (light, place) => place.filter((i) => light[i] < 140).length / Math.max(1, place.length);
        const results = [];
        for (const frame of frames) {
            const light = await pixels(frame.data, 'image/jpeg', frame.width);
            results.push({ before: shown(light, onlyBefore), next: shown(light, onlyNext),
                words: [onlyBefore.length, onlyNext.length] });
        }
        return results;
    }, { clip, beforePage, nextPage, frames });
}

// A screencast picture (JPEG) as PNG.
const asPNG = (analyser, base64) => analyser.evaluate(async (data) => {
    const bitmap = await createImageBitmap(new Blob([Uint8Array.from(atob(data), (c) => c.charCodeAt(0))], { type: 'image/jpeg' }));
    const canvas = new OffscreenCanvas(bitmap.width, bitmap.height);
    canvas.getContext('2d').drawImage(bitmap, 0, 0);
    const bytes = new Uint8Array(await (await canvas.convertToBlob({ type: 'image/png' })).arrayBuffer());
    let text = '';
    for (let i = 0; i < bytes.length; i += 0x8000) text += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
    return btoa(text);
}, base64);

for (const device of ['phone', 'tablet']) {
    describe(`the next question on the ${device}`, () => {
        const s = {};
        before(async () => {
            // The blank page first: the display's page must be the one in front, whose animation
            // frames run and which keeps the application active.
            s.analyser = await browser.context.newPage();
            s.run = await startProgram(program, ['--data-dir', browser.folder('orvakit-next-page-'), '--device', device]);
            s.page = await openProgram(browser.context, s.run.address, { tip: true });
            await s.page.bringToFront();
        });
        after(async () => {
            await s.analyser?.close().catch(() => {});
            await s.page?.close().catch(() => {});
            s.run?.child.kill('SIGTERM');
            await s.run?.exited;
        });

        test('comes without a picture of it over the question before', async (t) => {
            const { page } = s;
            await tapToolButton(page, device, 'Practice');
            await waitShown(page, 'Practise');
            await settled(page);
            await tapText(page, 'Practise');
            await question(page).locator('#submit').waitFor({ state: 'visible' });
            await settled(page);
            const next = page.locator('img[src*="Practice_next"]').last();
            for (let tap = 0; tap < taps; tap++) {
                await answer(page, 'ABCDE'[tap % 5]);
                const box = await page.locator(webFrame).last().boundingBox();
                // Inside the frame, clear of its edges.
                const clip = { x: Math.ceil(box.x) + 2, y: Math.ceil(box.y) + 2,
                    width: Math.floor(box.width) - 4, height: Math.floor(box.height) - 4 };
                const beforePage = (await page.screenshot({ clip })).toString('base64');
                await page.screenshot({ path: path.join(artifacts, `practice_next_page-${device}-${tap}-answered.png`) });
                const cast = await screencast(page);
                const key = await next.boundingBox();
                await page.mouse.click(key.x + key.width / 2, key.y + key.height / 2);
                await question(page).locator('#submit').waitFor({ state: 'visible' });
                await settled(page);
                // A picture of the page at rest (the question's clock shows a new second within one).
                await cast.composedAfter(Date.now() / 1000);
                await cast.stop();
                const nextPage = (await page.screenshot({ clip })).toString('base64');
                await page.screenshot({ path: path.join(artifacts, `practice_next_page-${device}-${tap}-next.png`) });
                const seen = await overlaps(s.analyser, clip, beforePage, nextPage, cast.frames);
                t.diagnostic(`tap ${tap + 1}: ${seen.length} pictures; ${seen.map((p) => `${p.before.toFixed(2)}/${p.next.toFixed(2)}`).join(' ')}`);
                assert.ok(seen.length > 0, 'the screencast gave pictures');
                assert.ok(seen[0].words[0] > 100 && seen[0].words[1] > 100, 'the two pages differ in their words');
                // The first picture that shows the next page is kept, and any that shows both pages or
                // neither.
                const picture = async (i, name) => writeFileSync(
                    path.join(artifacts, `practice_next_page-${device}-${tap}-${name}.png`),
                    Buffer.from(await asPNG(s.analyser, cast.frames[i].data), 'base64'));
                for (const [i, p] of seen.entries()) {
                    if (p.next > 0.5 && !seen.slice(0, i).some((q) => q.next > 0.5)) await picture(i, 'swap');
                    if (p.before > 0.5 && p.next > 0.5) await picture(i, `both-${i}`);
                    if (p.before < 0.5 && p.next < 0.5) await picture(i, `neither-${i}`);
                }
                const both = seen.filter((p) => p.before > 0.5 && p.next > 0.5);
                assert.equal(both.length, 0, `pictures with the words of both pages: ${JSON.stringify(both)}`);
                assert.ok(seen.at(-1).next > 0.9, 'the last picture shows the next page');
            }
        });
    });
}
