// The device's screen in a real browser: the test screen program draws boxes, texts, an input,
// images, a scroll box and an animated view; the test taps, types, drags, scrolls, turns and
// shakes the device as a person would and checks that the program saw it and the page shows it.
// Screenshots of the phone and the tablet are kept as artefacts.
import { test, describe } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, writeFileSync } from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import { tmpdir } from 'node:os';
import { artifacts, settled, startProgram, useBrowser, withProgram } from './support.mjs';

const testScreen = process.env.ORVA_DISPLAY_TESTSCREEN;
const orvakit = process.env.ORVAKIT;

assert.ok(testScreen, 'ORVA_DISPLAY_TESTSCREEN names the test program');
const browser = useBrowser({ viewport: { width: 900, height: 820 } });

const element = (tag) => `.el[data-tag="${tag}"]`;
const textOf = (page, tag) => page.locator(`${element(tag)} > .text > span`).textContent();

// The centre of an element on the page (through the picture's scaling and turning).
async function centreOf(page, tag) {
    const box = await page.locator(element(tag)).boundingBox();
    return { x: box.x + box.width / 2, y: box.y + box.height / 2 };
}

// Opens the display; the sizes of the whole-tree messages it receives are kept in page.trees.
async function openScreen(address) {
    const page = await browser.context.newPage();
    page.trees = [];
    page.on('websocket', (socket) => socket.on('framereceived', ({ payload }) => {
        if (typeof payload === 'string' && payload.startsWith('{"elements"')) page.trees.push(Buffer.byteLength(payload));
    }));
    await page.goto(address);
    await page.waitForSelector(element(10));
    await page.evaluate(() => document.fonts.ready);
    return page;
}

const waitForText = (page, tag, text) => page.waitForFunction(
    ([selector, t]) => document.querySelector(selector)?.textContent === t,
    [`${element(tag)} > .text > span`, text]);

// Inside a describe: the test program on that device and a page that shows it, for its tests.
function withTestScreen(device) {
    return withProgram(testScreen, ['--device', device], openScreen);
}

describe('the phone', () => {
    const s = withTestScreen('phone');

    test('draws the tree at the device size with every kind of element', async (t) => {
        const { run: program, page } = s;
        assert.equal(page.trees.length, 1);
        t.diagnostic(`whole tree of the test screen: ${page.trees[0]} bytes`);
        writeFileSync(path.join(artifacts, 'display_testscreen-tree-bytes.txt'), `${page.trees[0]}\n`);
        const screen = await page.locator('#screen').evaluate((s) => [s.offsetWidth, s.offsetHeight]);
        assert.deepEqual(screen, [320, 480]);
        assert.equal(await textOf(page, 1), 'Display test screen');
        const kinds = await page.evaluate(() => [...new Set([...document.querySelectorAll('.el')].map((e) => e.dataset.kind))].sort());
        assert.deepEqual(kinds, ['bitmap', 'box', 'image', 'input', 'scroll', 'text']);
        // Images from PNG bytes are real images, and a drawn view's picture fills its canvas; the
        // rotated box keeps its transform.
        const images = await page.locator(`${element(5)} img`).evaluateAll(
            (imgs) => imgs.map((i) => i.complete && i.naturalWidth));
        assert.deepEqual(images, [64]);
        await settled(page);
        assert.equal(await page.locator(`${element(6)} canvas`).evaluate((c) => c.width), 64);
        const turned = await page.locator(element(4)).evaluate((e) => e.style.transform);
        assert.match(turned, /^translate\(-50%, -50%\) matrix\(0\.96/);
        // Text is drawn with the font file the program measured with.
        const family = await page.locator(`${element(11)} > .text > span`).evaluate((s) => getComputedStyle(s).fontFamily);
        assert.match(family, /DejaVuSans_ttf/);
    });

    test('a tap reaches the program and its answer reaches the page', async () => {
        const { run: program, page } = s;
        const { x, y } = await centreOf(page, 10);
        await page.mouse.click(x, y);
        await program.next(/^tap 1$/);
        await waitForText(page, 11, 'Taps: 1');
        await page.mouse.click(x, y);
        await program.next(/^tap 2$/);
        await waitForText(page, 11, 'Taps: 2');
    });

    test('typing goes into the input and the program keeps the text', async () => {
        const { run: program, page } = s;
        const { x, y } = await centreOf(page, 20);
        await page.mouse.click(x, y);
        const field = page.locator(`${element(20)} > input`);
        await page.waitForFunction(() => document.activeElement?.tagName === 'INPUT');
        await page.keyboard.type('hello wörld');
        await program.next(/^text hello wörld$/);
        await waitForText(page, 21, 'Typed: hello wörld');
        assert.equal(await field.inputValue(), 'hello wörld');

        // A selection goes to the program with its place.
        await page.keyboard.press('Shift+Home');
        await program.next(/^select 0 11$/);

        // Return: the program takes the focus away.
        await page.keyboard.press('End');
        await page.keyboard.press('Enter');
        await program.next(/^return$/);
        await page.waitForFunction(() => document.activeElement?.tagName !== 'INPUT');
    });

    test('a drag and the wheel scroll the scroll box on the program side', async () => {
        const { run: program, page } = s;
        const box = await page.locator(element(30)).boundingBox();
        const scale = box.width / 180;  // the picture's scaling of device points
        const x = box.x + box.width / 2;
        const y = box.y + box.height * 0.8;
        await page.mouse.move(x, y);
        await page.mouse.down();
        for (let i = 1; i <= 5; ++i) await page.mouse.move(x, y - i * 20 * scale);
        await page.mouse.up();
        await waitForText(page, 31, 'Offset: 100');
        const offset = await page.locator(`${element(30)} > .kids`).evaluate((k) => k.style.transform);
        assert.equal(offset, 'translate(0px, -100px)');

        await page.mouse.move(x, y);
        await page.mouse.wheel(0, 50 * scale);
        await waitForText(page, 31, 'Offset: 150');
    });

    test('an animated view moves to its end state', async () => {
        const { run: program, page } = s;
        const mover = page.locator(element(40));
        const before = await mover.evaluate((e) => parseFloat(getComputedStyle(e).left));
        assert.equal(before, 40);
        const { x, y } = await centreOf(page, 41);
        await page.mouse.click(x, y);
        // On its way: between the ends, for a while.
        await page.waitForFunction((sel) => {
            const left = parseFloat(getComputedStyle(document.querySelector(sel)).left);
            return left > 60 && left < 260;
        }, element(40));
        await program.next(/^animation done$/);
        await page.waitForFunction((sel) => {
            const style = getComputedStyle(document.querySelector(sel));
            return style.left === '280px' && style.opacity === '0.5';
        }, element(40));
        await waitForText(page, 51, 'Shakes: 0 · Animation: done');
        await page.screenshot({ path: path.join(artifacts, 'display_testscreen-phone.png') });
    });

    test('the controls around the device turn it, shake it and press home', async () => {
        const { run: program, page } = s;
        await page.click('#rotate-right');
        await program.next(/^orientation 4$/);
        await page.waitForFunction(() => document.getElementById('device').dataset.orientation === '4');
        await waitForText(page, 50, 'Orientation: landscape right · State: active');
        await settled(page);  // the picture has turned
        await page.screenshot({ path: path.join(artifacts, 'display_testscreen-phone-turned.png') });
        // Pointers on the turned picture still land on the right views.
        const { x, y } = await centreOf(page, 10);
        await page.mouse.click(x, y);
        await program.next(/^tap 3$/);
        await page.click('#rotate-left');
        await program.next(/^orientation 1$/);

        await page.click('#shake');
        await program.next(/^shake 1$/);

        await page.click('#home');
        await program.next(/^state background$/);
        await page.waitForSelector('#home-screen:not([hidden])');
        await page.click('#reopen');
        await program.next(/^state active$/);
        await page.waitForSelector('#home-screen[hidden]', { state: 'attached' });
    });

    test('the page hidden sends the application to the background, shown again it is active', async () => {
        const { run: program, page } = s;
        const setVisibility = (state) => page.evaluate((s) => {
            Object.defineProperty(document, 'visibilityState', { value: s, configurable: true });
            document.dispatchEvent(new Event('visibilitychange'));
        }, state);
        await setVisibility('hidden');
        await program.next(/^state background$/);
        await setVisibility('visible');
        await program.next(/^state active$/);
    });

    test('effects play in the browser and only safe links are handed to it', async () => {
        const { run: program, page } = s;
        s.popups = [];
        page.on('popup', (popup) => s.popups.push(popup));
        const field = await centreOf(page, 20);
        for (const word of ['effects', 'links']) {
            await page.mouse.click(field.x, field.y);
            await page.waitForFunction(() => document.activeElement?.tagName === 'INPUT');
            await page.keyboard.press('Control+A');
            await page.keyboard.type(word);
            await program.next(new RegExp(`^text ${word}$`));
            await page.keyboard.press('Enter');
            await program.next(/^return$/);
            // The program takes the focus away; the next click gives it back.
            await page.waitForFunction(() => document.activeElement?.tagName !== 'INPUT');
        }
        await page.waitForFunction(() => window.orvaDevice.state.effects.length >= 2);
        assert.deepEqual(await page.evaluate(() => window.orvaDevice.state.effects), ['vibrate', 'sound:1104']);
        const opened = [];
        for (let i = 0; i < 3; i++) opened.push((await program.next(/^opened /)).slice(7));
        assert.equal((await program.next(/^refused /)).slice(8), 'javascript:alert(1)');
        await page.waitForFunction(() => window.orvaDevice.state.opened.length >= 3);
        assert.deepEqual(await page.evaluate(() => window.orvaDevice.state.opened), opened);
    });

    test('an outside link of any kind opens beside the display, which keeps its page and its taps', async () => {
        const { run: program, page } = s;
        // The links of the test before went each to a window of its own, never to this tab.
        await page.waitForFunction(() => window.orvaDevice.state.opened.length >= 3);
        assert.equal(s.popups.length, 3, 'a window for each link');
        assert.equal(new URL(page.url()).pathname, '/');
        for (const popup of s.popups) await popup.close();
        // The tab still takes the person's taps, and shows the program's answers.
        const { x, y } = await centreOf(page, 10);
        const count = async () => Number((await textOf(page, 11)).replace(/\D+/g, ''));
        const before = await count();
        await page.mouse.click(x, y);
        await program.next(new RegExp(`^tap ${before + 1}$`));
        await waitForText(page, 11, `Taps: ${before + 1}`);
    });

    test('closing the tab sends the application to the background', async () => {
        const { run: program, page } = s;
        await page.close();
        s.page = null;
        await program.next(/^state background$/);
    });
});

describe('the tablet', () => {
    const s = withTestScreen('tablet');

    test('shows the test screen at 768 x 1024 and takes its taps', async () => {
        const { run: program, page } = s;
        const screen = await page.locator('#screen').evaluate((s) => [s.offsetWidth, s.offsetHeight]);
        assert.deepEqual(screen, [768, 1024]);
        const { x, y } = await centreOf(page, 10);
        await page.mouse.click(x, y);
        await program.next(/^tap 1$/);
        await waitForText(page, 11, 'Taps: 1');
        await page.screenshot({ path: path.join(artifacts, 'display_testscreen-tablet.png') });

        await page.click('#rotate-left');
        await program.next(/^orientation 3$/);
        await page.waitForFunction(() => document.getElementById('device').dataset.orientation === '3');
        await settled(page);
        await page.screenshot({ path: path.join(artifacts, 'display_testscreen-tablet-turned.png') });
    });

    test('the page is not at rest while a tap it sent has not been handled', async () => {
        const { run: program, page } = s;
        await settled(page);
        // What the page says of itself the moment each pointer message has gone, before any answer
        // can have come back.
        await page.evaluate(() => {
            const connection = window.orvaConnection;
            const send = connection.send;
            window.settledAfterSend = [];
            connection.send = (message) => {
                const number = send.call(connection, message);
                if (message.type === 'pointer') window.settledAfterSend.push(window.orvaDevice.settled());
                return number;
            };
        });
        const { x, y } = await centreOf(page, 10);
        await page.mouse.click(x, y);
        await program.next(/^tap 2$/);
        await settled(page);
        assert.deepEqual(await page.evaluate(() => window.settledAfterSend), [false, false]);
        await waitForText(page, 11, 'Taps: 2');
    });

    test('an input shows the text the program keeps once it has handled every edit of it', async () => {
        const { run: program, page } = s;
        const { x, y } = await centreOf(page, 20);
        await page.mouse.click(x, y);
        await page.waitForFunction(() => document.activeElement?.tagName === 'INPUT');
        await settled(page);
        // Two edits that a busy program handles in one turn, refusing the second: its answer is the
        // text of the first, then it says it has handled both. The answers are given here, before
        // the program's own can come.
        const shown = await page.evaluate(() => {
            const field = document.activeElement;
            const id = Number(field.closest('.el').dataset.id);
            const type = (text) => {
                field.value = text;
                field.dispatchEvent(new Event('input'));
            };
            type('ab');
            type('abc');
            const tell = (m) => window.dispatchEvent(new CustomEvent('orva-message', { detail: m }));
            tell({ type: 'patch', seq: window.orvaDevice.screen.seq + 1, update: [{ id, props: { value: 'ab', selection: [2, 0] } }] });
            const afterPatch = field.value;
            tell({ type: 'handled', input: 1e9 });
            return [afterPatch, field.value];
        });
        // The first answer matches the first edit, while the second may still be on its way.
        assert.deepEqual(shown, ['abc', 'ab']);
        await program.next(/^text abc$/);
    });
});

// A raw request, so that the Host header and the path go out exactly as written.
function request(port, target, headers = {}) {
    return new Promise((resolve, reject) => {
        const req = http.request({ host: '127.0.0.1', port, path: target, headers, agent: false }, (res) => {
            let body = '';
            res.on('data', (chunk) => { body += chunk; });
            res.on('end', () => resolve({ status: res.statusCode, body }));
        });
        req.on('error', reject);
        req.end();
    });
}

describe('the program', () => {
    test('prints one address, refuses strangers, serves its window and ends on SIGTERM', async () => {
        assert.ok(orvakit, 'ORVAKIT names the program');
        const data = mkdtempSync(path.join(tmpdir(), 'orvakit-data-'));
        const program = await startProgram(orvakit, ['--device', 'tablet', '--data-dir', data]);
        try {
            const address = new URL(program.address);
            assert.equal(address.hostname, '127.0.0.1');
            assert.match(address.search, /^\?token=[0-9a-f]{32}$/);
            const port = Number(address.port);
            const token = address.search;

            const good = await request(port, '/' + token);
            assert.equal(good.status, 200);
            assert.equal((await request(port, '/')).status, 403, 'without the token');
            assert.equal((await request(port, '/' + token, { Host: `attacker.example:${port}` })).status, 403,
                'with a foreign Host');
            for (const target of ['/../../../etc/passwd', '/fonts/../../../../etc/passwd', '/%2e%2e/%2e%2e/etc/passwd']) {
                const reply = await request(port, target + token);
                assert.ok(reply.status === 403 || reply.status === 404 || reply.status === 400,
                    `${target} answered ${reply.status}`);
                assert.ok(!reply.body.includes('root:'), target);
            }

            const page = await browser.context.newPage();
            await page.goto(program.address);
            await page.waitForSelector('#screen > .el');
            // The screen holds the plain window of the program, white, the size of the screen.
            const shown = await page.locator('#screen > .el').evaluate((screen) => {
                const window = screen.querySelector(':scope > .kids > .el');
                return [screen.offsetWidth, screen.offsetHeight, window.offsetWidth, window.offsetHeight,
                    window.style.backgroundColor];
            });
            assert.deepEqual(shown, [768, 1024, 768, 1024, 'rgb(255, 255, 255)']);
            await page.evaluate(() => document.fonts.ready);
            await page.screenshot({ path: path.join(artifacts, 'orvakit-tablet.png') });
            await page.close();
        } finally {
            program.child.kill('SIGTERM');
        }
        const end = await program.exited;
        assert.equal(end.code, 0);
        assert.deepEqual(program.lines, [], 'nothing but the address on standard output');
    });
});
