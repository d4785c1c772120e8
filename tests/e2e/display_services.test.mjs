// The device's clipboard and mail composer in a real browser, on the phone and on the tablet. A
// person pastes megabytes from the browser's clipboard into the device, or (where the browser does
// not let the page read it) loads a text file in the clipboard panel; a copy made on the device
// reaches the browser's clipboard. A backup mailed from the device opens the composer beside it,
// whose Copy and Save give the whole body. While the program keeps the screen awake the page asks
// for a wake lock. Screenshots are kept as artefacts.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import path from 'node:path';
import { artifacts, launchBrowser, removeProfiles, startProgram } from './support.mjs';

const services = process.env.ORVA_DISPLAY_SERVICES;
let context;
let scratch;

before(async () => {
    assert.ok(services, 'ORVA_DISPLAY_SERVICES names the test program');
    mkdirSync(artifacts, { recursive: true });
    scratch = path.join(artifacts, 'display_services-files');
    mkdirSync(scratch, { recursive: true });
    context = await launchBrowser({ viewport: { width: 1300, height: 1150 }, acceptDownloads: true,
        permissions: ['clipboard-read', 'clipboard-write'] });
});

after(async () => {
    await context?.close();
    removeProfiles();
});

// A text of megabytes with lines, accents and the characters that split addresses.
const large = Array.from({ length: 80000 }, (_, i) => `line ${i}: Grüße & #${i % 9} = 100% ?\n`).join('');

for (const device of ['phone', 'tablet']) {
    describe(`clipboard and mail on the ${device}`, () => {
        let program;
        let page;
        const file = (name) => path.join(scratch, `${device}-${name}`);
        const ask = async (line, answer) => {
            program.tell(line);
            return program.next(answer, 20000);
        };
        const pasteboard = async () => {
            await ask(`pasteboard ${file('pasteboard.txt')}`, /^pasteboard /);
            return readFileSync(file('pasteboard.txt'), 'utf8');
        };
        // The page's paste reaches the program over the display's socket and this question over its
        // input, so the question may come first: ask until the pasteboard changes from `before`. A
        // paste of megabytes comes a while later on a busy machine: the asking ends on the change,
        // or at a deadline far beyond it, never after a number of asks.
        const pasteboardAfter = async (before) => {
            const deadline = Date.now() + 30000;
            for (;;) {
                const text = await pasteboard();
                if (text !== before || Date.now() > deadline) return text;
            }
        };
        before(async () => {
            program = await startProgram(services, ['--device', device]);
            page = await context.newPage();
            await page.goto(program.address);
            await page.waitForSelector('.el[data-tag="1"]');
        });
        after(async () => {
            await page?.close().catch(() => {});
            program?.child.kill('SIGTERM');
        });

        test('the browser clipboard pastes into the device, megabytes whole', async () => {
            await page.evaluate((text) => navigator.clipboard.writeText(text), large);
            await page.click('#paste');
            await page.waitForFunction(() => window.orvaServices.state.pasted === 1);
            assert.ok(large.length > 2000000);
            assert.equal(await pasteboardAfter(''), large);

            // Past the socket's limit the page refuses the paste whole and says so.
            const sent = await page.evaluate(() => window.orvaServices.pasteIntoDevice('x'.repeat(17 * 1024 * 1024)));
            assert.equal(sent, false);
            assert.match(await page.textContent('#clipboard-note'), /^Too large to paste/);
            assert.equal(await page.evaluate(() => window.orvaServices.state.pasted), 1);
            await page.click('#clipboard-close');
        });

        test('without the clipboard the panel takes a text file, and refuses a binary one', async () => {
            await page.evaluate(() => {
                window.readClipboard = navigator.clipboard.readText.bind(navigator.clipboard);
                navigator.clipboard.readText = () => Promise.reject(new Error('not allowed'));
            });
            await page.click('#paste');
            await page.waitForSelector('#clipboard-panel:not([hidden])');
            writeFileSync(file('binary.bin'), Buffer.from([0x50, 0x4b, 0x03, 0x04, 0x00, 0x00, 0xff]));
            const load = async (name) => {
                const [chooser] = await Promise.all([page.waitForEvent('filechooser'), page.click('#clipboard-load')]);
                await chooser.setFiles(file(name));
            };
            await load('binary.bin');
            await page.waitForFunction(() => /is not a text file/.test(document.getElementById('clipboard-note').textContent));
            writeFileSync(file('notes.txt'), 'Notes to keep: ½ · ✓\n');
            await load('notes.txt');
            await page.waitForFunction(() => document.getElementById('clipboard-text').value.startsWith('Notes'));
            await page.screenshot({ path: path.join(artifacts, `display_services-${device}-paste-panel.png`) });
            await page.click('#clipboard-send');
            await page.waitForFunction(() => window.orvaServices.state.pasted === 2);
            assert.equal(await pasteboardAfter(large), 'Notes to keep: ½ · ✓\n');
            await page.evaluate(() => {
                navigator.clipboard.readText = window.readClipboard;
            });
        });

        test("the device's copy reaches the browser's clipboard", async () => {
            await ask('copy Copied on the device: Grüße ✓', /^copied /);
            await page.waitForFunction(() => window.orvaServices.state.mirrored.length === 1);
            assert.equal(await page.evaluate(() => navigator.clipboard.readText()), 'Copied on the device: Grüße ✓');
            assert.equal(await page.inputValue('#clipboard-text'), 'Copied on the device: Grüße ✓');
            await page.click('#clipboard-close');
        });

        test('a disabled idle timer asks the browser for a wake lock, and lets it go', async () => {
            await ask('awake 1', /^awake 1/);
            await page.waitForFunction(() => window.orvaServices.state.wakeLock !== 'off');
            await ask('awake 0', /^awake 0/);
            await page.waitForFunction(() => window.orvaServices.state.wakeLock === 'off');
        });

        test("a 2 MB mail opens the composer, whose Copy and Save give the whole body", async () => {
            await ask(`mail 2000000 ${file('body.txt')}`, /^mail /);
            const body = readFileSync(file('body.txt'), 'utf8');
            await page.waitForSelector('#mail-panel:not([hidden])');
            assert.equal(await page.textContent('#mail-to'), 'backup@example.org');
            assert.equal(await page.textContent('#mail-subject'), 'Backup of answers');
            assert.equal(await page.isHidden('#mail-open'), true, 'too long for a mail program');
            await page.screenshot({ path: path.join(artifacts, `display_services-${device}-mail.png`) });

            await page.click('#mail-copy');
            await page.waitForFunction(() => /^Copied/.test(document.getElementById('mail-note').textContent));
            assert.equal(await page.evaluate(() => navigator.clipboard.readText()), body);

            const [download] = await Promise.all([page.waitForEvent('download'), page.click('#mail-save')]);
            assert.equal(download.suggestedFilename(), 'Backup of answers.txt');
            assert.equal(readFileSync(await download.path(), 'utf8'), body);

            // A short mail may go to the mail program too.
            await ask(`mail 300 ${file('short.txt')}`, /^mail /);
            await page.waitForSelector('#mail-open:not([hidden])');
            await page.click('#mail-close');
            await page.waitForSelector('#side', { state: 'hidden' });
        });
    });
}
