// Another local process's connections to the display never lock the person out: two hundred of
// them, asking again and again with a wrong token (as fast as they are answered, and on each
// connection the server keeps), while a new tab takes the device over on a question page, while a
// fresh question page loads and while the program saves. The page loads whole (the question's frame
// and every picture of the screen and the frame) and the save is written. The times from opening a
// tab to its question page loaded whole, without and with the strangers, are printed.
import { test, before } from 'node:test';
import assert from 'node:assert/strict';
import { connect } from 'node:net';
import { statSync } from 'node:fs';
import path from 'node:path';
import {
    actUntil, artifacts, openProgram, settled, startProgram, tapPicture, tapSubmitKey, tapToolButton,
    tapUntil, useBrowser, webFrame,
} from './support.mjs';

const program = process.env.ORVAKIT;
const browser = useBrowser({ viewport: { width: 900, height: 1150 } });

before(() => assert.ok(program, 'ORVAKIT names the program'));

// `count` connections that each send a request with a wrong token at once and again as soon as it
// is answered, and open a new connection as soon as the server closes theirs. `answers` counts
// the refusals they got, `refused(n)` waits until there have been n; `stop()` ends them.
function strangers(port, count) {
    const wrong = `GET /?token=${'0'.repeat(32)} HTTP/1.1\r\nHost: 127.0.0.1:${port}\r\nConnection: keep-alive\r\n\r\n`;
    const crowd = { answers: 0, stopped: false, sockets: new Set(), waiting: [] };
    const open = () => {
        if (crowd.stopped) return;
        const socket = connect(port, '127.0.0.1', () => socket.write(wrong));
        crowd.sockets.add(socket);
        socket.on('data', (chunk) => {
            if (!chunk.toString('latin1').startsWith('HTTP/1.1 403')) return;
            crowd.answers += 1;
            crowd.waiting = crowd.waiting.filter(({ n, resolve }) => (crowd.answers >= n ? resolve() : true));
            if (!socket.destroyed) socket.write(wrong);
        });
        socket.on('error', () => {});
        socket.on('close', () => {
            crowd.sockets.delete(socket);
            setImmediate(open);
        });
    };
    for (let i = 0; i < count; i++) open();
    crowd.refused = (n) => new Promise((resolve, reject) => {
        const timer = setTimeout(() => reject(new Error(`only ${crowd.answers} of ${n} refusals came`)), 30000);
        crowd.waiting.push({ n, resolve: () => { clearTimeout(timer); resolve(); } });
    });
    crowd.stop = () => {
        crowd.stopped = true;
        for (const socket of crowd.sockets) socket.destroy();
    };
    return crowd;
}

// The pictures of the page and of the question's frame that did not load, once each has finished
// loading (one the display could not serve has no natural size), and the count of all of them.
async function brokenPictures(page) {
    const look = (images) => Promise.all(images.map((image) => (image.complete ? null
        : new Promise((done) => { image.onload = done; image.onerror = done; }))))
        .then(() => ({ count: images.length, broken: images.filter((i) => !(i.naturalWidth > 0)).map((i) => i.src) }));
    const screen = await page.locator('img').evaluateAll(look);
    const frame = await page.frameLocator(webFrame).last().locator('img').evaluateAll(look);
    return { count: screen.count + frame.count, broken: [...screen.broken, ...frame.broken] };
}

// Opens a tab that takes the device over while a question page is shown, and waits until that
// page has loaded whole; answers the tab and the time it took.
async function takeOver(address, name) {
    const start = performance.now();
    try {
        const page = await openProgram(browser.context, address, { first: 'Done' });
        await page.frameLocator(webFrame).last().locator('#submit').waitFor({ state: 'visible' });
        const pictures = await brokenPictures(page);
        const took = performance.now() - start;
        assert.ok(pictures.count > 0, 'the screen and the question page have pictures');
        assert.deepEqual(pictures.broken, []);
        await settled(page);
        await page.screenshot({ path: path.join(artifacts, `core_strangers-${name}.png`) });
        return { page, took };
    } catch (e) {
        const shot = path.join(artifacts, `core_strangers-${name}-failed.png`);
        await browser.context.pages().at(-1)?.screenshot({ path: shot });
        throw e;
    }
}

test('two hundred strangers asking with a wrong token neither stop the tab nor the saves', async () => {
    const data = browser.folder('orvakit-strangers-');
    const run = await startProgram(program, ['--data-dir', data, '--device', 'phone']);
    const repository = path.join(data, 'Repository');
    const crowds = [];
    try {
        const first = await openProgram(browser.context, run.address, { tip: true });
        await tapToolButton(first, 'phone', 'Practice');
        await tapUntil(first, 'Practise', async (timeout) => first.frameLocator(webFrame).last().locator('#submit')
            .waitFor({ state: 'visible', timeout }));

        const calm = await takeOver(run.address, 'alone');
        await first.close();

        const port = Number(new URL(run.address).port);
        const crowd = strangers(port, 200);
        crowds.push(crowd);
        // They are at it before the tab comes: each of them has been refused a few times.
        await crowd.refused(1000);
        const crowded = await takeOver(run.address, 'strangers');
        await calm.page.close();
        const { page } = crowded;

        // A fresh question page loads whole too.
        const frame = page.frameLocator(webFrame).last();
        await frame.locator('#radioB').dispatchEvent('click');
        await frame.locator('#radioB:checked').waitFor();
        await tapSubmitKey(page);
        await actUntil(() => tapPicture(page, 'Practice_next'), (timeout) => page.frameLocator(webFrame).last()
            .locator('#submit').waitFor({ state: 'visible', timeout }), { page });
        const next = await brokenPictures(page);
        assert.deepEqual(next.broken, []);
        await settled(page);
        await page.screenshot({ path: path.join(artifacts, 'core_strangers-next-question.png') });

        // Going to the background saves, and the saved file is written.
        const saved = statSync(repository, { throwIfNoEntry: false })?.mtimeMs ?? 0;
        await page.click('#home');
        await untilSaved(repository, saved);
        const answered = crowd.answers;
        crowd.stop();
        console.log(`a tab's question page loaded whole in ${calm.took.toFixed(0)} ms alone, `
            + `${crowded.took.toFixed(0)} ms beside 200 strangers (${answered} wrong tokens refused meanwhile)`);
        await page.close();
    } finally {
        for (const crowd of crowds) crowd.stop();
        run.child.kill('SIGTERM');
        assert.equal((await run.exited).code, 0);
    }
});

// Waits until the file has been written after the time `since` (milliseconds of its last change).
async function untilSaved(file, since) {
    const deadline = Date.now() + 30000;
    while ((statSync(file, { throwIfNoEntry: false })?.mtimeMs ?? 0) <= since) {
        assert.ok(Date.now() < deadline, `${path.basename(file)} was not saved`);
        await new Promise((resolve) => setTimeout(resolve, 20));
    }
}
