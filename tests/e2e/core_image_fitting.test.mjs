// The page screens' image-fitting script in a real page with the page script library: images wider
// or taller than the limits are fitted, a tap shows an image at three times its fitted size and
// a second tap brings it back, and buttons are left alone.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { createRequire } from 'node:module';
import { launchBrowser, removeProfiles } from './support.mjs';

const program = process.env.ORVA_CORE_PAGE_SCRIPT;
const library = createRequire(import.meta.url).resolve('zepto/dist/zepto.min.js');

let context;

before(async () => {
    assert.ok(program, 'ORVA_CORE_PAGE_SCRIPT names the script printer');
    context = await launchBrowser();
});

after(async () => {
    await context?.close();
    removeProfiles();
});

// A picture of that natural size.
const picture = (w, h) =>
    `data:image/svg+xml,${encodeURIComponent(`<svg xmlns="http://www.w3.org/2000/svg" width="${w}" height="${h}"/>`)}`;

async function pageWith(body, width, height, runs = 1) {
    const page = await context.newPage();
    await page.setContent(`<html><body style="margin:0">${body}</body></html>`);
    await page.addScriptTag({ path: library });
    const script = execFileSync(program, [String(width), String(height)], { encoding: 'utf8' });
    for (let i = 0; i < runs; ++i) await page.addScriptTag({ content: script });
    return page;
}

// What an image shows: its attributes and its laid-out size.
const look = (page, id) => page.$eval(`#${id}`, (img) => {
    const box = img.getBoundingClientRect();
    return {
        width: img.getAttribute('width'), height: img.getAttribute('height'),
        normalized: img.getAttribute('normalized'), shown: [Math.round(box.width), Math.round(box.height)],
    };
});

test('a wide image is fitted, and a tap shows it three times larger and back', async () => {
    const page = await pageWith(
        `<a href="#followed"><img id="wide" src="${picture(600, 300)}"></a>
         <img id="button" class="openBtn" src="${picture(600, 300)}">`, 300, 400);

    assert.deepEqual(await look(page, 'wide'), { width: '300', height: '150', normalized: 'yes', shown: [300, 150] });
    await page.click('#wide');
    assert.deepEqual(await look(page, 'wide'), { width: '900', height: '450', normalized: 'no', shown: [900, 450] });
    assert.equal(await page.evaluate(() => location.hash), '', 'the tap does not follow the link');
    await page.click('#wide');
    assert.deepEqual(await look(page, 'wide'), { width: '300', height: '150', normalized: 'yes', shown: [300, 150] });

    // Buttons keep their size and take no part.
    assert.deepEqual(await look(page, 'button'), { width: null, height: null, normalized: null, shown: [600, 300] });
    await page.close();
});

test('the height limit applies to the size the width limit left', async () => {
    const page = await pageWith(
        `<img id="wide" src="${picture(600, 300)}"><img id="tall" src="${picture(201, 800)}">`, 300, 100);
    assert.deepEqual(await look(page, 'wide'), { width: '200', height: '100', normalized: 'yes', shown: [200, 100] });
    // 100 / (800 / 201) is 25.1: the width is rounded up.
    assert.deepEqual(await look(page, 'tall'), { width: '26', height: '100', normalized: 'yes', shown: [26, 100] });
    await page.close();

    // Taller than the limit before the width was fitted, not after: the height test passes.
    const roomy = await pageWith(`<img id="wide" src="${picture(600, 300)}">`, 300, 200);
    assert.deepEqual(await look(roomy, 'wide'), { width: '300', height: '150', normalized: 'yes', shown: [300, 150] });
    await roomy.close();
});

test('an image within the limits keeps its size and grows by its style', async () => {
    const page = await pageWith(`<img id="small" src="${picture(100, 50)}">`, 300, 400);
    assert.deepEqual(await look(page, 'small'), { width: null, height: null, normalized: 'yes', shown: [100, 50] });
    await page.click('#small');
    assert.deepEqual(await look(page, 'small'), { width: null, height: null, normalized: 'no', shown: [300, 150] });
    await page.click('#small');
    assert.deepEqual(await look(page, 'small'), { width: null, height: null, normalized: 'yes', shown: [100, 50] });
    await page.close();
});

test('running the script again does not make a tap count twice', async () => {
    const page = await pageWith(`<img id="wide" src="${picture(600, 300)}">`, 300, 400, 2);
    await page.click('#wide');
    assert.equal((await look(page, 'wide')).normalized, 'no');
    await page.close();
});
