// The next question of the practice tool, on the phone and on the tablet, as the display shows it:
// the person taps the next key a few times. The screen changes no more than what changed: the
// question's number and clock take their new words in place (no element of the screen is made,
// moved or removed but the web view's frames), and the page asks the browser for one animation
// frame per patch, the one that draws it. The next page is written into the frame that waited for
// it without that frame navigating: the frame keeps the shell's address, and the page's links and
// pictures resolve against its own. Nothing here waits on the page's rest (which asks for frames)
// while a tap is being watched. Screenshots are kept as artefacts.
import { test, describe } from 'node:test';
import assert from 'node:assert/strict';
import path from 'node:path';
import {
    artifacts, openProgram, settled, tapText, tapToolButton, useBrowser, waitShown, webFrame, withProgram,
} from './support.mjs';

const program = process.env.ORVAKIT;
assert.ok(program, 'ORVAKIT names the program');
const browser = useBrowser({ viewport: { width: 900, height: 1150 } });
const taps = 3;

// What the page does from now on: its changes to the screen outside its web views' frames, the
// animation frames it asks for and the patches it applies.
function watch(page) {
    return page.evaluate(() => {
        const screen = document.getElementById('screen');
        const watched = { replaced: [], made: [], frames: 0, patches: 0 };
        const observer = new MutationObserver((records) => {
            for (const r of records) {
                if (r.type !== 'childList') continue;
                const nodes = [...r.addedNodes, ...r.removedNodes];
                // A web view's frames come and go within its element.
                const frames = r.target.matches('.el[data-kind="frame"]') && nodes.every((n) => n.nodeName === 'IFRAME');
                if (r.target.closest('.content.text')) watched.replaced.push(r.target.closest('.el').dataset.id);
                else if (!frames) watched.made.push(nodes.map((n) => n.nodeName).join(','));
            }
        });
        observer.observe(screen, { childList: true, subtree: true });
        const ask = window.requestAnimationFrame;
        window.requestAnimationFrame = (callback) => {
            watched.frames += 1;
            return ask.call(window, callback);
        };
        const counted = (e) => {
            if (e.detail?.type === 'patch') watched.patches += 1;
        };
        window.addEventListener('orva-message', counted);
        window.watched = watched;
        window.stopWatching = () => {
            observer.disconnect();
            window.requestAnimationFrame = ask;
            window.removeEventListener('orva-message', counted);
            return watched;
        };
    });
}

// The question page's text, read from its frame.
const questionText = (page) => page.frameLocator(webFrame).last().locator('body').innerText();

for (const device of ['phone', 'tablet']) {
    describe(`the next question on the ${device}`, () => {
        const s = withProgram(program, () => ['--data-dir', browser.folder('orvakit-next-question-'), '--device', device],
            (address) => openProgram(browser.context, address, { tip: true }));

        test('changes only what changed, and its page is written without a navigation', async () => {
            const { page } = s;
            await tapToolButton(page, device, 'Practice');
            await waitShown(page, 'Practise');
            await settled(page);
            await tapText(page, 'Practise');
            await page.frameLocator(webFrame).last().locator('#submit').waitFor();
            await settled(page);
            const next = page.locator('img[src*="Practice_next"]').last();
            for (let tap = 0; tap < taps; tap++) {
                const before = await questionText(page);
                const seq = await page.evaluate(() => window.orvaDevice.screen.seq);
                const key = await next.boundingBox();
                await watch(page);
                await page.mouse.click(key.x + key.width / 2, key.y + key.height / 2);
                // The program has handled the release (the press brings a patch of its own, the key
                // lit), the next page is shown and the frame before has gone: looked for by a timer,
                // which asks the page for no animation frame.
                await page.waitForFunction((n) => !window.orvaConnection.awaiting && window.orvaDevice.screen.seq > n
                    && !window.orvaFrames.busy() && document.querySelectorAll('#screen iframe.retiring').length === 0,
                seq, { polling: 100 });
                await page.frameLocator(webFrame).last().locator('#submit').waitFor();
                const watched = await page.evaluate(() => window.stopWatching());
                assert.notEqual(await questionText(page), before, 'the next question is shown');
                assert.deepEqual(watched.replaced, [], 'texts take their new words in place');
                assert.deepEqual(watched.made, [], 'no element of the screen is made or removed');
                assert.ok(watched.patches >= 1, 'the tap brought a patch');
                assert.ok(watched.frames <= watched.patches,
                    `the page asked for ${watched.frames} animation frames for ${watched.patches} patches`);

                // The page is written into the frame that waited: the frame keeps the shell's address,
                // and the page its own for its links and pictures.
                const shell = await page.locator(webFrame).last().getAttribute('src');
                const addresses = await page.frameLocator(webFrame).last().locator('html')
                    .evaluate(() => [location.pathname, document.baseURI]);
                assert.equal(addresses[0], shell, 'the frame kept the shell\'s address');
                assert.match(addresses[1], /^http:\/\/127\.0\.0\.1:\d+\/s\/[0-9a-f]+\/[0-9a-f]+$/, 'the page\'s own address');
                await settled(page);
                await page.screenshot({ path: path.join(artifacts, `display_next_question-${device}-${tap}.png`) });
            }
        });
    });
}
