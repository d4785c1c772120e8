// The gallery of controls in a real browser, on the phone and on the tablet: every control is
// drawn, a tap on a button, a segment, the switch, a table row and a toolbar key reaches the
// program (the gallery's status line says what it saw), a swipe turns the paging view, and an
// alert comes and goes. Screenshots are kept as artefacts.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { mkdirSync } from 'node:fs';
import path from 'node:path';
import { artifacts, launchBrowser, removeProfiles, startProgram } from './support.mjs';

const gallery = process.env.ORVA_DISPLAY_GALLERY;
let context;

before(async () => {
    assert.ok(gallery, 'ORVA_DISPLAY_GALLERY names the gallery program');
    mkdirSync(artifacts, { recursive: true });
    context = await launchBrowser({ viewport: { width: 900, height: 1100 } });
});

after(async () => {
    await context?.close();
    removeProfiles();
});

// The gallery's tags (tests/support/Gallery.h).
const Tag = { title: 1, rounded: 2, segmented: 7, toggle: 8, pages: 5, table: 10, alert: 13, toolbar: 14, status: 15 };
const element = (tag) => `.el[data-tag="${tag}"]`;

async function centreOfText(page, text) {
    const box = await page.locator('.text > span', { hasText: new RegExp(`^${text}$`) }).first().boundingBox();
    return { x: box.x + box.width / 2, y: box.y + box.height / 2 };
}

const status = (page) => page.locator(`${element(Tag.status)} > .text > span`).textContent();
const waitForStatus = (page, text) => page.waitForFunction(
    ([selector, t]) => document.querySelector(selector)?.textContent === t,
    [`${element(Tag.status)} > .text > span`, text]);

for (const device of ['phone', 'tablet']) {
    describe(`the gallery on the ${device}`, () => {
        let program;
        let page;
        before(async () => {
            program = await startProgram(gallery, ['--device', device]);
            page = await context.newPage();
            await page.goto(program.address);
            await page.waitForSelector(element(Tag.title));
            await page.evaluate(() => document.fonts.ready);
        });
        after(async () => {
            await page?.close().catch(() => {});
            program?.child.kill('SIGTERM');
        });

        test('draws every control', async () => {
            for (const tag of Object.values(Tag)) assert.equal(await page.locator(element(tag)).count(), 1, `tag ${tag}`);
            // The table's rows, the toolbar's keys and the segments are there as text.
            for (const text of ['Authorization', 'Tips', 'Main', 'Done', 'Hide', 'Show', 'Options'])
                assert.equal(await page.locator('.text > span', { hasText: new RegExp(`^${text}$`) }).count(), 1, text);
            await page.waitForTimeout(300);  // let the spinner and the page settle for the picture
            await page.screenshot({ path: path.join(artifacts, `display_gallery-${device}.png`) });
        });

        test('controls answer taps', async () => {
            for (const [text, said] of [['Button', 'button'], ['Hide', 'segment 0'], ['Tips', 'row 0.1'], ['Done', 'item Done']]) {
                const { x, y } = await centreOfText(page, text);
                await page.mouse.click(x, y);
                await waitForStatus(page, said);
            }
            const toggle = await page.locator(element(Tag.toggle)).boundingBox();
            await page.mouse.click(toggle.x + toggle.width / 2, toggle.y + toggle.height / 2);
            await waitForStatus(page, 'switch on');
        });

        test('a swipe turns the paging view and an alert comes and goes', async () => {
            const box = await page.locator(element(Tag.pages)).boundingBox();
            const y = box.y + box.height / 2;
            await page.mouse.move(box.x + box.width * 0.8, y);
            await page.mouse.down();
            for (let i = 1; i <= 6; ++i) await page.mouse.move(box.x + box.width * (0.8 - i * 0.1), y);
            await page.mouse.up();
            await page.waitForFunction(() => [...document.querySelectorAll('.text > span')]
                .some((s) => s.textContent === 'Page two' && s.getBoundingClientRect().left >= 0
                    && s.getBoundingClientRect().right <= window.innerWidth));

            const alert = await centreOfText(page, 'Alert');
            await page.mouse.click(alert.x, alert.y);
            await page.waitForSelector('.text > span:text-is("Delete")');
            await page.screenshot({ path: path.join(artifacts, `display_gallery-${device}-alert.png`) });
            const del = await centreOfText(page, 'Delete');
            await page.mouse.click(del.x, del.y);
            await waitForStatus(page, 'alert button 1');
            await page.waitForSelector('.text > span:text-is("Delete")', { state: 'detached' });
            assert.equal(await status(page), 'alert button 1');
        });
    });
}
