// Web views in a real browser: the test program shows two web views (the second inside a pad that
// notes the touches reaching the program) and prints what their delegate hears. The test taps
// links and submits forms in the frames as a person would, has the program evaluate scripts,
// loads an outside page from a local server, shows a page that tries to break out of its frame,
// and reloads the tab. Screenshots are kept as artefacts.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { mkdirSync, writeFileSync } from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { artifacts, launchBrowser, removeProfiles, settled as pageSettled, startProgram, webFrame } from './support.mjs';

const program = process.env.ORVA_DISPLAY_WEBVIEW;
const pages = path.join(path.dirname(fileURLToPath(import.meta.url)), 'pages');
const pagesURL = pathToFileURL(pages).href + '/';

let context;
let app;
let page;
let outside;  // a local server that stands for an outside site
const outsideRequests = [];
// The outside request of a page that is replaced: when it came, and when its connection closed.
const hanging = {};
hanging.came = new Promise((resolve) => { hanging.arrived = resolve; });
hanging.ended = new Promise((resolve) => { hanging.closed = resolve; });

const webView = (tag) => `.el[data-tag="${tag}"][data-kind="frame"]`;
async function frameOf(tag) {
    const handle = await page.locator(`${webView(tag)} ${webFrame}`).elementHandle();
    return handle.contentFrame();
}
// Waits for the frame of a web view to show a document whose body has this text. The frame is
// looked up again whenever the web view's document (and so its frame) is replaced while waiting.
async function frameShows(tag, text) {
    for (let i = 0; i < 20; ++i) {
        const frame = await frameOf(tag);
        const shown = await frame?.waitForFunction((t) => document.body?.innerText.includes(t), text, { timeout: 500 })
            .then(() => true, () => false);
        if (shown) return frame;
    }
    const frame = await frameOf(tag);
    const what = await frame?.evaluate(() => location.href + ' ' + document.body?.innerText).catch((e) => String(e));
    const src = await page.locator(`${webView(tag)} ${webFrame}`).getAttribute('src');
    throw new Error(`web view ${tag} never showed "${text}": ${what} (src ${src})`);
}
const shot = (name) => page.screenshot({ path: path.join(artifacts, `display_webview-${name}.png`) });
// The browser routes pointers to frames by what it last drew: a change of where pointers go counts
// once the page has settled and drawn two more frames.
async function settled() {
    await pageSettled(page);
    await page.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));
}
// A round trip through the program and the web view's page: whatever either was sent before it has
// been handled when it answers (one socket and one run loop keep the order).
async function roundTrip(tag = 1) {
    app.tell(`eval ${tag} 'round trip'`);
    assert.equal(await app.next(/^result /), 'result round trip');
}

async function openTab() {
    const p = await context.newPage();
    await p.goto(app.address);
    await p.waitForSelector(`${webView(1)} ${webFrame}`);
    return p;
}

before(async () => {
    assert.ok(program, 'ORVA_DISPLAY_WEBVIEW names the test program');
    mkdirSync(artifacts, { recursive: true });
    outside = http.createServer((req, res) => {
        let body = '';
        req.on('data', (chunk) => { body += chunk; });
        req.on('end', () => {
            outsideRequests.push({ method: req.method, url: req.url, agent: req.headers['my-agent'], body });
            if (req.url === '/logo.svg') {
                res.writeHead(200, { 'Content-Type': 'image/svg+xml' });
                res.end('<svg xmlns="http://www.w3.org/2000/svg" width="20" height="20"><rect width="20" height="20" fill="#b71c1c"/></svg>');
                return;
            }
            if (req.url === '/hang') {
                // A request that is never answered: it ends only when its page goes.
                hanging.arrived();
                res.on('close', () => hanging.closed());
                return;
            }
            if (req.url === '/data.bin') {
                res.writeHead(200, { 'Content-Type': 'application/octet-stream' });
                res.end('\x00\x01');
                return;
            }
            res.writeHead(200, { 'Content-Type': 'text/html; charset=iso-8859-1' });
            if (req.method === 'POST') {
                const user = new URLSearchParams(body).get('user');
                res.end(Buffer.from(`<html><body><h2>Welcome ${user}</h2><p>Caf\xe9 au lait</p></body></html>`, 'latin1'));
                return;
            }
            res.end(Buffer.from(`<!DOCTYPE html><html><head><title>Forum</title></head><body>
<h2><img id="logo" src="/logo.svg" alt=""> Forum</h2>
<form id="login" action="login.php" method="post"><input name="user" value="ann">
<input name="password" value="a&amp;b"><button id="login-send">Log in</button></form>
<p><a id="topic" href="viewtopic.php?t=5&amp;refuse=1">A topic</a></p>
</body></html>`, 'latin1'));
        });
    });
    await new Promise((resolve) => outside.listen(0, '127.0.0.1', resolve));
    // A window in which the phone's picture is drawn at its own size: Playwright places its clicks
    // in frames wrongly under a scaling ancestor (a person's clicks are the browser's own).
    context = await launchBrowser({ viewport: { width: 700, height: 688 } });
    app = await startProgram(program, ['--resources', pages]);
});

after(async () => {
    await context?.close();
    removeProfiles();
    app?.child.kill('SIGTERM');
    outside?.close();
});

describe('web views', () => {
    test('a page loaded before any tab is there finishes when a tab shows it, with its folder', async () => {
        await app.next(/^should 1 other GET /);
        // The program has handled what came before an answer to its standard input.
        app.tell('selection 1');
        await app.next(/^selection/);
        assert.ok(!app.lines.some((l) => l.startsWith('finish')), 'nothing finished without a tab');
        page = await openTab();
        assert.equal(await app.next(/^finish 1 /), `finish 1 ${pagesURL}`);
        const frame = await frameShows(1, 'Start page');
        // Pictures and styles come from the page's folder, served beside it.
        await frame.waitForFunction(() => document.getElementById('mark').naturalWidth === 24);
        assert.equal(await frame.evaluate(() => getComputedStyle(document.body).marginTop), '10px');
        // The frame is of no origin: neither the display's nor any other.
        assert.equal(await frame.evaluate(() => window.origin), 'null');
        assert.match(await frame.evaluate(() => location.href), /^http:\/\/127\.0\.0\.1:\d+\/s\/[0-9a-f]+\/[0-9a-f]+$/);
        await shot('start');
    });

    test('a form the delegate refuses leaves the page as it is; one it allows loads', async () => {
        const frame = await frameOf(1);
        const stamp = await frame.evaluate(() => window.stamp);
        await frame.click('#refuse-send', { noWaitAfter: true });
        assert.equal(await app.next(/^should 1 form/), `should 1 form GET ${pagesURL}refuse.html?answer=2 (person)`);
        await roundTrip();
        assert.equal(await frame.evaluate(() => window.stamp), stamp, 'the page stayed');

        // A link of the program's own scheme: allowed, loads nothing, the page stays.
        await frame.click('#course', { noWaitAfter: true });
        assert.equal(await app.next(/^should 1 link/), 'should 1 link GET events:opencourse (person)');
        // A jump within the page is asked about too, and then made by the page itself.
        await frame.click('#jump', { noWaitAfter: true });
        assert.equal(await app.next(/^should 1 link/), `should 1 link GET ${pagesURL}#bottom (person)`);
        await frame.waitForFunction(() => location.hash === '#bottom');
        assert.equal(await frame.evaluate(() => window.stamp), stamp, 'the page stayed');
        assert.ok(!app.lines.some((l) => l.startsWith('finish')), 'no load finished');
    });

    test('a synchronous evaluation answers at once, and its round trip is short', async (t) => {
        app.tell('eval 1 document.title');
        assert.equal(await app.next(/^result /), 'result Start page');
        app.tell('eval 1 6 * 7');
        assert.equal(await app.next(/^result /), 'result 42');
        app.tell("eval 1 document.getElementById('marker').textContent = 'changed by the program'");
        assert.equal(await app.next(/^result /), 'result changed by the program');
        const frame = await frameOf(1);
        assert.equal(await frame.textContent('#marker'), 'changed by the program');
        app.tell('eval 1 window.missing.property');
        assert.equal(await app.next(/^result/), 'result ');

        app.tell('time 1 300 document.title');
        const timing = await app.next(/^(median|no answer)/, 30000);
        assert.match(timing, /^median /);
        t.diagnostic(`synchronous evaluation round trip: ${timing}`);
        writeFileSync(path.join(artifacts, 'display_webview-evaluation.txt'), `${timing}\n`);
    });

    test('a reload of the tab brings the scripted page back as it was, silently', async () => {
        await page.reload();
        await page.waitForSelector(`${webView(1)} ${webFrame}`);
        const frame = await frameShows(1, 'changed by the program');
        assert.equal(await frame.textContent('#marker'), 'changed by the program');
        await frame.waitForFunction(() => location.hash === '#bottom');
        await roundTrip();
        assert.ok(!app.lines.some((l) => l.startsWith('finish') || l.startsWith('should')),
            `nothing was asked or told again: ${app.lines.join(' | ')}`);
        await settled();  // the reloaded frame takes pointers again
        await shot('reloaded');
    });

    test('the form the delegate allows loads its page', async () => {
        const frame = await frameOf(1);
        await frame.click('#allowed-send', { noWaitAfter: true });
        const query = 'answer=3&btnType=check';
        assert.equal(await app.next(/^should 1 form/), `should 1 form GET ${pagesURL}answer.html?${query} (person)`);
        assert.equal(await app.next(/^finish 1/), `finish 1 ${pagesURL}answer.html?${query}`);
        const answer = await frameShows(1, 'Answer page');
        // The page sees the address the browser used; the delegate saw the file address.
        assert.equal(await answer.textContent('#query'), `?${query}`);
    });

    test('an outside page is fetched by the program, and its form posts through the delegate', async () => {
        const base = `http://127.0.0.1:${outside.address().port}`;
        app.tell(`request 1 ${base}/forum My-Agent:kit`);
        assert.equal(await app.next(/^should 1/), `should 1 other GET ${base}/forum`);
        assert.equal(await app.next(/^finish 1/), `finish 1 ${base}/forum`);
        const frame = await frameShows(1, 'Forum');
        assert.equal(outsideRequests.find((r) => r.url === '/forum').agent, 'kit');
        // Its pictures and links resolve against where it came from.
        await frame.waitForFunction(() => document.getElementById('logo').naturalWidth === 20);
        await frame.click('#topic', { noWaitAfter: true });
        assert.equal(await app.next(/^should 1/), `should 1 link GET ${base}/viewtopic.php?t=5&refuse=1 (person)`);

        await frame.click('#login-send', { noWaitAfter: true });
        assert.equal(await app.next(/^should 1/), `should 1 form POST ${base}/login.php user=ann&password=a%26b (person)`);
        assert.equal(await app.next(/^finish 1/), `finish 1 ${base}/login.php`);
        await frameShows(1, 'Welcome ann');
        assert.deepEqual(outsideRequests.filter((r) => r.method === 'POST').map((r) => r.body), ['user=ann&password=a%26b']);
        // Its bytes kept their character set.
        assert.equal(await (await frameOf(1)).textContent('p'), 'Café au lait');
        await shot('outside');

        app.tell(`request 1 ${base}/data.bin`);
        assert.match(await app.next(/^(fail|finish) 1/), /^fail 1 a document of type application\/octet-stream cannot be shown/);
    });

    test('a page written into the frame that waited for it keeps every character', async () => {
        app.tell('page 1 start.html');
        await app.next(/^finish 1/);
        await frameShows(1, 'Start page');
        // The frame keeps the shell's address (a served document's); the text was handed to it as
        // UTF-8 bytes.
        const written = await frameOf(1);
        assert.match(await written.evaluate(() => location.pathname), /^\/d\/[0-9a-f]+$/);
        assert.equal(await written.textContent('#bottom'), 'Café crème: the bottom of the page.');
    });

    test('a hostile page reaches neither the display nor another frame', async () => {
        app.tell('page 1 start.html');
        await app.next(/^finish 1/);
        await frameShows(1, 'Start page');
        app.tell('page 2 hostile.html');
        await app.next(/^finish 2/);
        const hostile = await frameOf(2);
        await hostile.waitForFunction(() => document.body.dataset.done === '1', null, { timeout: 10000 });
        const results = JSON.parse(await hostile.textContent('#results'));
        for (const name of ['parentDocument', 'otherFrameDocument', 'parentConnection', 'cookie', 'popup',
            'socket', 'socketGuessedToken', 'displayPage', 'displayScript'])
            assert.match(String(results[name]), /^blocked/, `${name}: ${results[name]}`);
        assert.ok(page.url().startsWith(app.address.split('?')[0]) && !page.url().includes('hijacked'),
            `the display stayed where it was: ${page.url()}`);
        await roundTrip(1);
        await roundTrip(2);
        const victim = await frameOf(1);
        assert.equal(await victim.textContent('#marker'), 'as loaded', 'no script reached the other frame');
        // Whatever it forged spoke for its own web view only.
        const forged = app.lines.filter((l) => l.includes('forged'));
        assert.ok(forged.every((l) => l.startsWith('should 2 ')), forged.join(' | '));
        assert.ok(forged.length <= 1, forged.join(' | '));
        assert.ok(!app.lines.some((l) => l.startsWith('tap')), 'no pointer was forged');
        assert.equal(await page.evaluate(() => document.getElementById('connection').dataset.state), 'connected');
        await shot('hostile');
        app.lines.splice(0);
    });

    test('only the person\'s own press speaks for them, never a script of the page', async () => {
        app.tell('page 1 scripted.html');
        await app.next(/^finish 1/);
        const frame = await frameShows(1, 'Scripted page');
        await settled();
        const refused = `should 1 form GET ${pagesURL}refuse.html?answer=2`;
        for (const how of ['requestSubmit', 'submit', 'click', 'dispatched']) {
            await frame.evaluate((h) => window.byScript[h](), how);
            assert.equal(await app.next(/^should 1 (form|link)/), refused, how);
        }
        await frame.evaluate(() => window.byScript.link());
        assert.equal(await app.next(/^should 1 (form|link)/), `should 1 link GET ${pagesURL}refuse.html?link=1`);
        await frame.evaluate(() => window.byScript.forged());
        assert.equal(await app.next(/^should 1 (form|link)/), `should 1 form GET ${pagesURL}refuse.html?answer=forged`);
        // A script riding on the person's tap of something else, with what events tell rewritten.
        await frame.evaluate(() => { window.byScript.tamper(); window.byScript.onTap(); });
        await frame.click('#elsewhere', { noWaitAfter: true });
        assert.equal(await app.next(/^should 1 (form|link)/), refused);
        await frame.click('#send', { noWaitAfter: true });
        assert.equal(await app.next(/^should 1 (form|link)/), `${refused} (person)`);
        assert.equal(await frame.evaluate(() => window.heardKey), undefined, 'the page never heard the key');
        await settled();
        await shot('scripted');
    });

    test('nothing of a page survives into the next, which is written into a waiting frame', async () => {
        app.tell('page 1 lingering.html');
        await app.next(/^finish 1/);
        const first = await frameShows(1, 'Lingering page');
        await first.waitForFunction(() => ticks > 3);
        const port = outside.address().port;
        app.tell(`eval 1 fetch('http://127.0.0.1:${port}/hang').catch(() => {}), 'asked'`);
        assert.equal(await app.next(/^result /), 'result asked');
        await hanging.came;
        // A spare frame waits beside the web view's frame, with the shell in it.
        await page.waitForSelector(`${webView(1)} iframe.spare`, { state: 'attached' });
        const shell = await page.evaluate(() => document.querySelector('.el[data-tag="1"][data-kind="frame"] iframe.spare').getAttribute('src'));

        // The same page again: its top-level declarations could not be made twice in one window.
        // The frame of the page before goes, and its timers and listeners with it (the browser
        // tells Playwright so after the page has let go of it).
        const firstGone = page.waitForEvent('framedetached', (frame) => frame === first);
        // The spare takes the page where it waits: a frame element that moved would be hidden and
        // shown again by the browser, which throws away its first picture. The page watches which
        // frames leave the web view's element.
        await page.evaluate(() => {
            const view = document.querySelector('.el[data-tag="1"][data-kind="frame"]');
            window.framesThatLeft = [];
            new MutationObserver((records) => {
                for (const r of records) for (const n of r.removedNodes) if (n.tagName === 'IFRAME') window.framesThatLeft.push(n);
            }).observe(view, { childList: true });
            window.spareThatWaited = view.querySelector('iframe.spare');
        });
        app.tell('page 1 lingering.html');
        await app.next(/^finish 1/);
        await page.waitForFunction((tag) => !document.querySelector(`.el[data-tag="${tag}"] iframe.retiring`), 1);
        await firstGone;
        const second = await frameShows(1, 'Lingering page');
        assert.notEqual(second, first);
        await second.waitForFunction(() => ticks > 3);  // its own script ran whole, in a fresh window
        // No listener of the page before, no origin, and the address of its own document as the
        // base of its links and pictures. A page made from a text keeps the shell's address: the
        // frame made no navigation for it in the middle of the write.
        assert.deepEqual(await second.evaluate(() => [typeof heard, window.origin]), ['undefined', 'null']);
        assert.match(await second.evaluate(() => document.baseURI), /^http:\/\/127\.0\.0\.1:\d+\/s\/[0-9a-f]+\/[0-9a-f]+$/);
        assert.equal(await second.evaluate(() => location.pathname), shell);
        assert.notEqual(await second.evaluate(() => document.baseURI), await first.evaluate(() => document.baseURI).catch(() => ''));
        assert.equal(await page.locator(`${webView(1)} ${webFrame}`).getAttribute('src'), shell, 'written into the shell');
        assert.deepEqual(await page.evaluate((sel) => {
            const shown = document.querySelector(sel);
            return [shown === window.spareThatWaited, window.framesThatLeft.length, window.framesThatLeft.includes(shown)];
        }, `${webView(1)} ${webFrame}`), [true, 1, false], 'the spare shows the page and never left its place; the frame before went');
        assert.equal(await second.evaluate(() => document.getElementById('mark').naturalWidth), 24, 'its folder is served');
        await hanging.ended;  // the request of the page before has ended
        app.tell('page 1 start.html');
        await app.next(/^finish 1/);
        await frameShows(1, 'Start page');
    });

    test('a page written into a waiting frame stands on its web view\'s ground, unless it has a background of its own', async () => {
        // What the page's root and body paint, once the page has been drawn.
        const grounds = (frame) => frame.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => resolve(
            [document.documentElement, document.body].map((e) => getComputedStyle(e).backgroundColor)))));
        const viewGround = await page.evaluate((sel) => document.querySelector(sel).style.backgroundColor, webView(1));
        assert.equal(viewGround, 'rgb(255, 255, 255)');
        for (const [name, title, expected] of [
            ['lingering.html', 'Lingering page', [viewGround, 'rgba(0, 0, 0, 0)']],
            // The body's background still fills the whole page: the root takes no ground of its own.
            ['coloured.html', 'Coloured page', ['rgba(0, 0, 0, 0)', 'rgb(223, 232, 245)']],
        ]) {
            await pageSettled(page);
            const shell = await page.evaluate((sel) => document.querySelector(`${sel} iframe.spare`).getAttribute('src'), webView(1));
            app.tell(`page 1 ${name}`);
            await app.next(/^finish 1/);
            const frame = await frameShows(1, title);
            assert.equal(await page.locator(`${webView(1)} ${webFrame}`).getAttribute('src'), shell, 'written into the shell');
            assert.deepEqual(await grounds(frame), expected, name);
        }
        app.tell('page 1 start.html');
        await app.next(/^finish 1/);
        await frameShows(1, 'Start page');
    });

    test('a written page that the browser loads again, moved into a new parent, comes back as the program left it', async () => {
        // The page is written into the waiting frame, which keeps the shell's address.
        await pageSettled(page);
        const shell = await page.evaluate(() => document.querySelector('.el[data-tag="1"][data-kind="frame"] iframe.spare').getAttribute('src'));
        app.tell('page 1 lingering.html');
        await app.next(/^finish 1/);
        const written = await frameShows(1, 'Lingering page');
        assert.equal(await page.locator(`${webView(1)} ${webFrame}`).getAttribute('src'), shell, 'written into the shell');
        app.tell("eval 1 document.getElementById('marker').textContent = 'changed by the program'");
        assert.equal(await app.next(/^result /), 'result changed by the program');

        // A new parent with the web view in it comes in one patch: the browser cannot keep the
        // frame's document through that move and loads the frame again.
        const reloaded = page.waitForEvent('framedetached', (frame) => frame === written);
        app.tell('wrap 1');
        assert.equal(await app.next(/^wrapped/), 'wrapped 1');
        await reloaded;
        const again = await frameShows(1, 'changed by the program');
        assert.equal(await again.evaluate(() => document.title), 'Lingering page');
        assert.equal(await again.evaluate(() => window.origin), 'null');
        assert.equal(await again.evaluate(() => document.getElementById('mark').naturalWidth), 24, 'its folder is served');
        await settled();
        await shot('rewritten');
        app.tell('page 1 start.html');
        await app.next(/^finish 1/);
        await frameShows(1, 'Start page');
    });

    test('a web view whose user interaction is off lets the pointer through to the program', async () => {
        const box = await page.locator(webView(2)).boundingBox();
        app.tell('interactive 2 0');
        await app.next(/^interactive 0/);
        await page.waitForFunction((sel) => document.querySelector(sel).dataset.interactive === 'false', webView(2));
        await settled();
        await page.mouse.click(box.x + box.width / 2, box.y + box.height / 2);
        assert.match(await app.next(/^tap /), /^tap 16\d,8\d$/);
        app.tell('interactive 2 1');
        await app.next(/^interactive 1/);
        await page.waitForFunction((sel) => document.querySelector(sel).dataset.interactive === 'true', webView(2));
        await settled();
        await page.mouse.click(box.x + box.width / 2, box.y + box.height / 2);
        await roundTrip(2);
        assert.ok(!app.lines.some((l) => l.startsWith('tap')), 'the frame took the click itself');
    });

    test('a page wider than its frame is scaled to fit when the web view says so', async () => {
        app.tell('page 2 wide.html');
        await app.next(/^finish 2/);
        const frame = await frameShows(2, 'twice as wide');
        assert.equal(await frame.evaluate(() => document.documentElement.style.zoom), '');
        app.tell('fit 2 1');
        await app.next(/^fit 1/);
        await frame.waitForFunction(() => document.documentElement.style.zoom !== '');
        assert.equal(Number(await frame.evaluate(() => document.documentElement.style.zoom)).toFixed(3), (300 / 640).toFixed(3));
        app.tell('fit 2 0');
        await app.next(/^fit 0/);
        await frame.waitForFunction(() => document.documentElement.style.zoom === '');
    });

    test('a selection in a page reaches the program', async () => {
        const frame = await frameOf(1);
        await frame.evaluate(() => {
            const range = document.createRange();
            range.selectNodeContents(document.getElementById('bottom'));
            getSelection().removeAllRanges();
            getSelection().addRange(range);
        });
        // The page reports a selection once it has stopped changing; each question to the program
        // waits for a round trip through the page first.
        let line = '';
        for (let i = 0; i < 100 && line !== 'selection Café crème: the bottom of the page.'; ++i) {
            await roundTrip();
            app.tell('selection 1');
            line = await app.next(/^selection/);
        }
        assert.equal(line, 'selection Café crème: the bottom of the page.');
        // The program's edit menu shows just above the selected text.
        const item = page.locator('.el .text > span', { hasText: 'Look up' });
        await item.waitFor();
        const menu = await item.boundingBox();
        const selected = await frame.locator('#bottom').boundingBox();
        assert.ok(menu.y + menu.height <= selected.y && menu.y + menu.height > selected.y - 30,
            `menu at ${JSON.stringify(menu)}, selection at ${JSON.stringify(selected)}`);
        await shot('selection');
    });
});
