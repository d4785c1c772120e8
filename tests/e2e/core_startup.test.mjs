// The program itself on a fresh data folder: it loads, goes to the background when the device's
// home button is pressed (saving), ends on SIGTERM, and the next start finds what it saved.
import { test, after } from 'node:test';
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import { existsSync, mkdirSync, mkdtempSync, readdirSync, readFileSync, rmSync, statSync, watch } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { connect } from 'node:net';
import { createInterface } from 'node:readline';
import { artifacts, launchBrowser, removeProfiles } from './support.mjs';

const program = process.env.ORVAKIT;
const dataDir = mkdtempSync(path.join(tmpdir(), 'orvakit-data-'));

after(() => {
    removeProfiles();
    rmSync(dataDir, { recursive: true, force: true });
});

// Starts orvakit on the data folder; its address comes on standard output, its log on standard error.
// `until(condition, what)` waits until the condition holds, looking again whenever the program
// logs something or a file of the data folder changes.
async function start(args = ['--data-dir', dataDir], folder = dataDir, through = program) {
    const child = spawn(through, args, { stdio: ['ignore', 'pipe', 'pipe'] });
    let log = '';
    const changed = new EventTarget();
    const watcher = watch(folder, () => changed.dispatchEvent(new Event('change')));
    child.stderr.on('data', (chunk) => {
        log += chunk;
        changed.dispatchEvent(new Event('change'));
    });
    const exited = new Promise((resolve) => child.once('exit', (code, signal) => {
        watcher.close();
        resolve({ code, signal });
    }));
    const address = await new Promise((resolve, reject) => {
        createInterface({ input: child.stdout }).once('line', resolve);
        exited.then(({ code }) => reject(new Error(`orvakit ended with ${code}: ${log}`)));
    });
    const until = (condition, what, timeout = 10000) => new Promise((resolve, reject) => {
        const check = () => {
            if (!condition()) return;
            clearTimeout(timer);
            changed.removeEventListener('change', check);
            resolve();
        };
        const timer = setTimeout(() => {
            changed.removeEventListener('change', check);
            reject(new Error(`timed out waiting for ${what}`));
        }, timeout);
        changed.addEventListener('change', check);
        check();
    });
    return { child, address, exited, log: () => log, until };
}

const file = (name) => path.join(dataDir, name);

// Runs a program to its end: its exit code and what it wrote to standard error.
const runToEnd = (args) => new Promise((resolve) => {
    const child = spawn(program, args, { stdio: ['ignore', 'ignore', 'pipe'] });
    let errors = '';
    child.stderr.on('data', (chunk) => { errors += chunk; });
    child.once('exit', (code) => resolve({ code, errors }));
});

test('a fresh start saves on the way to the background and the next start finds the data', async () => {
    assert.ok(program, 'ORVAKIT names the program');
    mkdirSync(artifacts, { recursive: true });

    const first = await start();
    const port = new URL(first.address).port;
    await first.until(() => first.log().includes('fresh user data'), 'the fresh data');
    // A second program on the same data folder refuses to start and says where the first one is.
    const rival = await runToEnd(['--data-dir', dataDir]);
    assert.equal(rival.code, 1);
    assert.ok(rival.errors.includes(`the data folder ${dataDir} is in use`), rival.errors);
    assert.ok(rival.errors.includes(first.address), rival.errors);
    await first.until(() => existsSync(file('PracticeRepository')), 'the practice file written while loading');

    const context = await launchBrowser();
    const page = await context.newPage();
    await page.goto(first.address);
    await page.waitForFunction(() => document.getElementById('connection').dataset.state === 'connected');
    // The splash screen gives way to the home view.
    await page.waitForFunction(() => !document.getElementById('screen')?.textContent.includes('Study kit for the ORVA'));
    await page.screenshot({ path: path.join(artifacts, 'core_startup-home.png') });
    assert.equal(existsSync(file('Repository')), false);

    await page.click('#home');
    await first.until(() => existsSync(file('Repository')), 'the central file written on going to the background');
    const practiceWritten = statSync(file('PracticeRepository')).mtimeMs;

    first.child.kill('SIGTERM');
    const ended = await first.exited;
    assert.equal(ended.code, 0);

    // The tab that stays open shows that the program is gone.
    await page.waitForFunction(() => document.getElementById('connection').dataset.state === 'disconnected');
    await page.screenshot({ path: path.join(artifacts, 'core_startup-disconnected.png') });

    // The restarted program prints the same address (the token is kept in the data folder), and
    // the open tab connects again by itself and gets the whole screen; an address without the
    // token gets a page that says what to open.
    const second = await start();
    assert.equal(second.address, first.address);
    await second.until(() => /the user's data read from/.test(second.log()), 'the saved data read');
    await page.waitForFunction(() => document.getElementById('connection').dataset.state === 'connected');
    await page.waitForFunction(() => document.getElementById('screen')?.textContent.includes('Library'));
    await page.screenshot({ path: path.join(artifacts, 'core_startup-reconnected.png') });
    const stranger = await (await launchBrowser()).newPage();
    const refused = await stranger.goto(`http://127.0.0.1:${port}/`);
    assert.equal(refused.status(), 403);
    await stranger.getByText('Open the address the program printed', { exact: false }).waitFor();
    await stranger.screenshot({ path: path.join(artifacts, 'core_startup-token-needed.png') });
    await stranger.context().close();
    await context.close();

    assert.equal(second.log().includes('is not used'), false, second.log());
    assert.deepEqual(readdirSync(dataDir).filter((n) => n.includes('.bad-')), []);
    // An existing practice file is read, not written again.
    assert.equal(statSync(file('PracticeRepository')).mtimeMs, practiceWritten);
    assert.ok(readFileSync(file('Repository')).subarray(0, 8).equals(Buffer.from('bplist00')));

    second.child.kill('SIGTERM');
    assert.equal((await second.exited).code, 0);

    const renewed = await start(['--data-dir', dataDir, '--new-token']);
    assert.notEqual(renewed.address, first.address);
    renewed.child.kill('SIGTERM');
    assert.equal((await renewed.exited).code, 0);
});

test('a thousand idle connections to the display leave the saves working, and the end is quick', async () => {
    // Started with a low limit of open files, as many desktops set it: the program raises it, and
    // holds no more than a few idle connections that have not shown the token.
    const run = await start(['-c', 'ulimit -Sn 256 && exec "$0" --data-dir "$1"', program, dataDir], dataDir, 'sh');
    await run.until(() => /the user's data read from/.test(run.log()), 'the saved data read');
    const context = await launchBrowser();
    const page = await context.newPage();
    await page.goto(run.address);
    await page.waitForFunction(() => document.getElementById('connection').dataset.state === 'connected');

    const port = Number(new URL(run.address).port);
    const idle = [];
    await Promise.all(Array.from({ length: 1000 }, () => new Promise((resolve) => {
        const socket = connect(port, '127.0.0.1', resolve);
        socket.on('error', resolve);
        socket.on('close', resolve);
        idle.push(socket);
    })));
    const before = statSync(file('Repository')).mtimeMs;
    await page.click('#home');
    await run.until(() => statSync(file('Repository')).mtimeMs > before, 'the central file saved again');
    assert.doesNotMatch(run.log(), /Too many open files|cannot save|cannot write/i);
    await page.screenshot({ path: path.join(artifacts, 'core_startup-idle-connections.png') });
    for (const socket of idle) socket.destroy();
    await context.close();

    const t = performance.now();
    run.child.kill('SIGTERM');
    assert.equal((await run.exited).code, 0);
    console.log(`ending on SIGTERM with a tab that was open: ${(performance.now() - t).toFixed(0)} ms`);
});

test('SIGTERM again while ending waits all the same for the data to load, then saves and exits', async () => {
    const writer = process.env.ORVA_CORE_LARGE_DATA;
    assert.ok(writer, 'ORVA_CORE_LARGE_DATA names the data writer');
    const folder = mkdtempSync(path.join(tmpdir(), 'orvakit-large-'));
    let child = null;
    try {
        // A long-time user's data take a while to load: both signals come while they load.
        await new Promise((resolve, reject) => {
            spawn(writer, [folder], { stdio: 'inherit' }).once('exit', (code) =>
                code === 0 ? resolve() : reject(new Error(`core_large_data ended with ${code}`)));
        });
        const data = path.join(folder, 'data');
        rmSync(path.join(data, 'Repository'));
        const run = await start(['--data-dir', data, '--resources', path.join(folder, 'resources')], data);
        child = run.child;
        child.kill('SIGTERM');
        await run.until(() => run.log().includes('ending: the user\'s data are saved first'), 'the end under way');
        child.kill('SIGTERM');
        const log = run.log();
        assert.equal((await run.exited).code, 0, log);

        assert.match(run.log(), /the splash screen is gone/);
        assert.doesNotMatch(run.log(), /ending while a save is still writing/);
        assert.ok(readFileSync(path.join(data, 'Repository')).subarray(0, 8).equals(Buffer.from('bplist00')));
    } finally {
        if (child && child.exitCode === null && child.signalCode === null) child.kill('SIGKILL');
        rmSync(folder, { recursive: true, force: true });
    }
});
