// The display's server with a real browser: the page connects with the printed address,
// messages go both ways, and a second tab takes the device over from the first.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { mkdirSync } from 'node:fs';
import path from 'node:path';
import { artifacts, launchBrowser, removeProfiles, startProgram } from './support.mjs';

const program = process.env.ORVA_DISPLAY_ECHO;

let server;
let address;
let context;

before(async () => {
    assert.ok(program, 'ORVA_DISPLAY_ECHO names the test program');
    mkdirSync(artifacts, { recursive: true });
    server = await startProgram(program);
    address = server.address;
    context = await launchBrowser();
});

after(async () => {
    await context?.close();
    server?.child.kill('SIGTERM');
    removeProfiles();
});

async function openDisplay(url) {
    const page = await context.newPage();
    // Messages from the program are collected from the moment the page's script runs.
    await page.addInitScript(() => {
        window.received = [];
        window.addEventListener('orva-message', (event) => window.received.push(event.detail));
    });
    await page.goto(url);
    return page;
}

const state = (page) => page.locator('#connection').getAttribute('data-state');

test('the printed address connects and messages go both ways', async () => {
    assert.match(address, /^http:\/\/127\.0\.0\.1:\d+\/\?token=[0-9a-f]{32}$/);
    const page = await openDisplay(address);
    await page.waitForFunction(() => document.getElementById('connection').dataset.state === 'connected');
    await page.waitForFunction(() => window.received.some((m) => m.type === 'hello'));

    await page.evaluate(() => window.orvaConnection.send({ type: 'ping', text: 'grüße ✓' }));
    await page.waitForFunction(() => window.received.some((m) => m.type === 'ping'));
    const echoed = await page.evaluate(() => window.received.find((m) => m.type === 'ping'));
    // The page numbers what it sends, for the program to say which it has handled.
    const { input, ...sent } = echoed;
    assert.deepEqual(sent, { type: 'ping', text: 'grüße ✓' });
    assert.ok(Number.isSafeInteger(input) && input >= 1, `the message's number: ${input}`);

    // The fonts the C++ side measures with are served to the page.
    const faces = await page.evaluate(async () => {
        await document.fonts.load('16px "DejaVu Sans"');
        await document.fonts.load('bold 16px "DejaVu Sans"');
        return [...document.fonts].map((face) => face.status);
    });
    assert.deepEqual(faces, ['loaded', 'loaded']);
    await page.screenshot({ path: path.join(artifacts, 'display_server-connected.png') });
    await page.close();
});

test('the address without the token is refused', async () => {
    const bare = address.replace(/\?token=.*/, '');
    const other = await launchBrowser();
    try {
        const page = await other.newPage();
        const response = await page.goto(bare);
        assert.equal(response.status(), 403);
        assert.equal(await page.locator('#connection').count(), 0);
    } finally {
        await other.close();
    }
});

test('a second tab takes over and the first shows that the device moved', async () => {
    const first = await openDisplay(address);
    await first.waitForFunction(() => document.getElementById('connection').dataset.state === 'connected');

    // The cookie from the first visit is enough now.
    const second = await openDisplay(address.replace(/\?token=.*/, ''));
    await second.waitForFunction(() => document.getElementById('connection').dataset.state === 'connected');
    await first.waitForFunction(() => document.getElementById('connection').dataset.state === 'moved');
    assert.equal(await state(first), 'moved');
    await first.screenshot({ path: path.join(artifacts, 'display_server-moved.png') });

    await second.evaluate(() => window.orvaConnection.send({ type: 'ping', n: 2 }));
    await second.waitForFunction(() => window.received.some((m) => m.type === 'ping' && m.n === 2));
    await first.close();
    await second.close();
});
