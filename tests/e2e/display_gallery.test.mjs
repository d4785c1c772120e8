// The gallery of controls in a real browser, on the phone and on the tablet: every control is
// drawn, a tap on a button, a segment, the switch, a table row and a toolbar key reaches the
// program (the gallery's status line says what it saw), a swipe turns the paging view, and an
// alert comes and goes. Screenshots are kept as artefacts.
import { test, describe, before } from 'node:test';
import assert from 'node:assert/strict';
import path from 'node:path';
import { actUntil, artifacts, changing, settled, useBrowser, waitShown, withProgram } from './support.mjs';

const gallery = process.env.ORVA_DISPLAY_GALLERY;
assert.ok(gallery, 'ORVA_DISPLAY_GALLERY names the gallery program');
const browser = useBrowser();

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
    [`${element(Tag.status)} > .text > span`, text]).catch(async (error) => {
    await page.screenshot({ path: path.join(artifacts, `display_gallery-waiting-for-${text.replace(/\W+/g, '_')}.png`) });
    throw new Error(`status "${await status(page)}", not "${text}": ${error.message}`);
});

// Inside a describe: the gallery on the device, in a page once its title is drawn.
function withGallery(device) {
    return withProgram(gallery, ['--device', device], async (address) => {
        const page = await browser.context.newPage();
        await page.goto(address);
        await page.waitForSelector(element(Tag.title));
        await page.evaluate(() => document.fonts.ready);
        return page;
    });
}

for (const device of ['phone', 'tablet']) {
    describe(`the gallery on the ${device}`, () => {
        const s = withGallery(device);

        test('draws every control', async () => {
            const { page } = s;
            for (const tag of Object.values(Tag)) assert.equal(await page.locator(element(tag)).count(), 1, `tag ${tag}`);
            // The table's rows, the toolbar's keys and the segments are there as text.
            for (const text of ['Authorization', 'Tips', 'Main', 'Done', 'Hide', 'Show', 'Options'])
                assert.equal(await page.locator('.text > span', { hasText: new RegExp(`^${text}$`) }).count(), 1, text);
            await settled(page);
            await page.screenshot({ path: path.join(artifacts, `display_gallery-${device}.png`) });
        });

        test('controls answer taps', async () => {
            const { page } = s;
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
            const { page } = s;
            // One retried step: the swipe is made, once the page is at rest, until the second page
            // stands in view; again only while it does not (a second swipe would turn past it).
            const pageTwoInView = () => [...document.querySelectorAll('.text > span')]
                .some((s) => s.textContent === 'Page two' && s.getBoundingClientRect().left >= 0
                    && s.getBoundingClientRect().right <= window.innerWidth);
            await actUntil(async () => {
                await settled(page);
                const box = await page.locator(element(Tag.pages)).boundingBox();
                const y = box.y + box.height / 2;
                await page.mouse.move(box.x + box.width * 0.8, y);
                await page.mouse.down();
                for (let i = 1; i <= 6; ++i) await page.mouse.move(box.x + box.width * (0.8 - i * 0.1), y);
                await page.mouse.up();
            }, (timeout) => page.waitForFunction(pageTwoInView, null, { timeout }),
                { page, again: async () => !(await page.evaluate(pageTwoInView)) });

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

// The gallery's further pages: text entry with selection and copy through the program's edit menu,
// a search bar, an action sheet, the alert with a number field, a list that is edited by swipes, in
// edit mode and through its section index, and a date picker that keeps to its limits.
const More = {
    textPage: 16, name: 17, password: 18, search: 19, notes: 20, sheet: 21, goTo: 22, add: 23, edit: 24, list: 25,
    datePage: 26, dateMode: 27, datePicker: 28, dateLimits: 29,
};
const visibleText = (page, text) => page.locator('.text > span:visible', { hasText: new RegExp(`^${text}$`) });
async function clickText(page, text, which = 'first') {
    const box = await visibleText(page, text)[which]().boundingBox();
    await page.mouse.click(box.x + box.width / 2, box.y + box.height / 2);
}
async function clickElement(page, tag) {
    const box = await page.locator(element(tag)).boundingBox();
    await page.mouse.click(box.x + box.width / 2, box.y + box.height / 2);
}
// A tap on a field; the program gives it the keyboard focus.
async function tapField(page, tag) {
    await clickElement(page, tag);
    await page.waitForFunction((s) => document.activeElement?.matches(s), `${element(tag)} input, ${element(tag)} textarea`);
}
for (const device of ['phone', 'tablet']) {
    describe(`the gallery's further pages on the ${device}`, () => {
        const s = withGallery(device);
        const shot = (name) => s.page.screenshot({ path: path.join(artifacts, `display_gallery-${device}-${name}.png`) });
        before(async () => {
            await clickText(s.page, 'More');
            await waitForStatus(s.page, 'page Text and lists');
        });

        test('text typed, selected, copied and pasted', async () => {
            const { page } = s;
            await shot('text');
            await tapField(page, More.name);
            await page.keyboard.type('Ann');
            await waitForStatus(page, 'name Ann');

            // A word the person selects in the notes (a double click on it) is copied through the
            // program's edit menu.
            const notes = await page.locator(element(More.notes)).boundingBox();
            const scale = notes.width / (device === 'phone' ? 300 : 748);
            await page.mouse.dblclick(notes.x + 15 * scale, notes.y + 9 * scale);
            await page.waitForFunction((s) => document.querySelector(s)?.selectionEnd === 5, `${element(More.notes)} textarea`);
            await visibleText(page, 'Copy').waitFor();
            assert.equal(await visibleText(page, 'Paste').count(), 0, 'nothing to paste yet');
            await shot('menu');
            await clickText(page, 'Copy');
            await visibleText(page, 'Copy').waitFor({ state: 'detached' });

            // In the name field the menu offers to paste what was copied.
            await tapField(page, More.name);
            const name = await page.locator(element(More.name)).boundingBox();
            await page.mouse.dblclick(name.x + name.width / 4, name.y + name.height / 2);  // the word "Ann"
            await visibleText(page, 'Paste').waitFor();
            await clickText(page, 'Paste');
            await waitForStatus(page, 'name Notes');
            await page.waitForFunction((s) => document.querySelector(s)?.value === 'Notes', `${element(More.name)} input`);

            assert.equal(await page.locator(`${element(More.password)} input`).getAttribute('type'), 'password');
            await tapField(page, More.search);
            await page.keyboard.type('geo');
            await waitForStatus(page, 'typed geo');
            await page.keyboard.press('Enter');
            await waitForStatus(page, 'search geo');
        });

        test('an action sheet and the alert with a number field answer', async () => {
            const { page } = s;
            await clickElement(page, More.sheet);
            await visibleText(page, 'Delete All').waitFor();
            await settled(page);  // the sheet has risen
            await shot('sheet');
            await clickText(page, 'Add Bookmark');
            await waitForStatus(page, 'sheet Add Bookmark 1');
            await visibleText(page, 'Delete All').waitFor({ state: 'detached' });

            await clickElement(page, More.goTo);
            await visibleText(page, 'Go to question number').waitFor();
            await page.waitForFunction(() => document.activeElement?.tagName === 'INPUT');  // the field has the keyboard
            await page.keyboard.type('12');
            await page.waitForFunction(() => document.activeElement?.value === '12');
            await settled(page);
            await shot('goto');
            await clickText(page, 'OK');
            await waitForStatus(page, 'go to 12');
        });

        test('the list: a swipe deletes, edit mode moves and deletes, the index scrolls', async () => {
            const { page } = s;
            // The swipe starts where the row stands once the page is at rest (the list may still be
            // coming in), and is made again while no delete key has come: a swipe that showed none
            // changed nothing.
            await actUntil(async () => {
                await settled(page);
                const row = await visibleText(page, 'Apricot').boundingBox();
                const y = row.y + row.height / 2;
                await page.mouse.move(row.x + 200, y);
                await page.mouse.down();
                for (let i = 1; i <= 6; ++i) await page.mouse.move(row.x + 200 - i * 25, y);
                await page.mouse.up();
            }, (timeout) => visibleText(page, 'Delete').waitFor({ timeout }), { page });
            await settled(page);
            await shot('swipe');
            await clickText(page, 'Delete');
            await waitForStatus(page, 'deleted Apricot');

            await clickElement(page, More.edit);
            await waitForStatus(page, 'editing');
            await settled(page);
            await shot('editing');
            // Avocado dragged up by its grip (on the right of its row, left of the index) above Apple.
            const list = await page.locator(element(More.list)).boundingBox();
            const scale = list.width / (device === 'phone' ? 320 : 768);
            const avocado = await visibleText(page, 'Avocado').boundingBox();
            const grip = { x: list.x + list.width - (30 + 18) * scale, y: avocado.y + avocado.height / 2 };
            await page.mouse.move(grip.x, grip.y);
            await page.mouse.down();
            for (let i = 1; i <= 5; ++i) await page.mouse.move(grip.x, grip.y - (i * 54 * scale) / 5);
            await page.mouse.up();
            await waitForStatus(page, 'moved Avocado to 1');
            await settled(page);
            // The minus of the first row: the topmost one.
            const minuses = await visibleText(page, '\u2212').all();
            const boxes = await Promise.all(minuses.map((m) => m.boundingBox()));
            const top = boxes.reduce((a, b) => (b.y < a.y ? b : a));
            await page.mouse.click(top.x + top.width / 2, top.y + top.height / 2);
            await visibleText(page, 'Delete').waitFor();
            await settled(page);  // the button has slid in
            await clickText(page, 'Delete');
            await waitForStatus(page, 'deleted Avocado');
            await clickElement(page, More.edit);
            await waitForStatus(page, 'not editing');

            // The index's "B" (the rightmost one: the section's header has one too) shows the
            // section's first row.
            const bs = await Promise.all((await visibleText(page, 'B').all()).map((l) => l.boundingBox()));
            const b = bs.reduce((x, y) => (y.x > x.x ? y : x));
            assert.ok(b.x + b.width / 2 > list.x + list.width * 0.9, 'the index lies along the right edge');
            await changing(page, () => page.mouse.click(b.x + b.width / 2, b.y + b.height / 2));
            const banana = await visibleText(page, 'Banana').boundingBox();
            assert.ok(banana.y < list.y + list.height / 2, 'section B is in the upper half of the list');
        });

        test('the date picker keeps to its limits', async () => {
            const { page } = s;
            await clickText(page, 'More');
            await waitForStatus(page, 'page Dates');
            await settled(page);
            await shot('dates');
            const year = new Date().getFullYear();
            await clickText(page, String(year + 1));  // the row below the selected year
            await page.waitForFunction(([s, y]) => document.querySelector(s)?.textContent.startsWith(`date ${y}-`),
                [`${element(Tag.status)} > .text > span`, year + 1]);
            const atLimit = await status(page);
            // The next year is past the maximum: faded, and turning to it stays at the limit.
            await settled(page);
            await changing(page, () => clickText(page, String(year + 2)));
            assert.equal(await status(page), atLimit);
            await changing(page, () => clickText(page, 'Date & Time'));
            await shot('datetime');
        });
    });
}

// The page of tables and patterns: a patterned panel, keys that darken while pressed, show paler
// while disabled or glow while touched, and a table whose header views (with an "Add" key) stay at
// the top while the rows, shaded by parity, scroll under them.
const Tables = { pattern: 40, press: 41, disabled: 42, glow: 43, table: 44, shade: 111, add: 300 };
for (const device of ['phone', 'tablet']) {
    describe(`the gallery's tables and patterns on the ${device}`, () => {
        const s = withGallery(device);
        const shot = (name) => s.page.screenshot({ path: path.join(artifacts, `display_gallery-${device}-${name}.png`) });
        const centre = async (selector) => {
            const box = await s.page.locator(selector).first().boundingBox();
            return { x: box.x + box.width / 2, y: box.y + box.height / 2 };
        };
        before(async () => {
            for (const title of ['Text and lists', 'Dates', 'Tables and patterns']) {
                await clickText(s.page, 'More');
                await waitForStatus(s.page, `page ${title}`);
            }
        });

        test('a patterned panel and keys that show their state', async () => {
            const { page } = s;
            const pattern = page.locator(`${element(Tables.pattern)} > .bgpattern`);
            assert.equal(await pattern.count(), 1);
            const style = await pattern.evaluate((node) => {
                const s = getComputedStyle(node);
                return { repeat: s.backgroundRepeat, size: s.backgroundSize };
            });
            assert.deepEqual(style, { repeat: 'repeat', size: '12px 12px' });
            const image = (tag) => `${element(tag)} > .kids > .el[data-kind="image"]`;
            assert.equal(await page.getAttribute(image(Tables.disabled), 'data-adjust'), 'paler');
            assert.equal(await page.getAttribute(image(Tables.press), 'data-adjust'), 'none');
            await settled(page);
            await shot('tables');

            const press = await centre(element(Tables.press));
            await page.mouse.move(press.x, press.y);
            await page.mouse.down();
            await page.waitForSelector(`${image(Tables.press)}[data-adjust="darker"]`);
            await shot('tables-pressed');
            await page.mouse.up();
            await waitForStatus(page, 'key Press');
            await page.waitForSelector(`${image(Tables.press)}[data-adjust="none"]`);

            const glow = await centre(element(Tables.glow));
            await page.mouse.move(glow.x, glow.y);
            await page.mouse.down();
            // The key's picture and the glow over it.
            await page.waitForFunction((s) => [...document.querySelectorAll(s)]
                .filter((n) => n.dataset.kind === 'image' && getComputedStyle(n).display !== 'none').length === 2,
            `${element(Tables.glow)} > .kids > .el`);
            await shot('tables-glow');
            await page.mouse.up();
            await waitForStatus(page, 'key Glow');
        });

        test('rows shaded by parity under header views that stay at the top', async () => {
            const { page } = s;
            const shades = await page.locator(`${element(Tables.table)} .el[data-tag="${Tables.shade}"]`).evaluateAll(
                (nodes) => nodes.map((n) => ({ y: n.getBoundingClientRect().y, colour: getComputedStyle(n).backgroundColor }))
                    .sort((a, b) => a.y - b.y).slice(0, 4).map((s) => s.colour));
            assert.deepEqual(shades, ['rgba(0, 0, 0, 0)', 'rgb(235, 235, 235)', 'rgba(0, 0, 0, 0)', 'rgb(235, 235, 235)']);

            // Scrolled into a section, its header stays at the table's top and its key answers.
            const table = await page.locator(element(Tables.table)).boundingBox();
            await page.mouse.move(table.x + table.width / 2, table.y + table.height / 2);
            const atTop = (section) => page.waitForFunction(([h, top]) => {
                const node = document.querySelector(h)?.parentElement.closest('.el');  // the header view
                return !!node && Math.abs(node.getBoundingClientRect().top - top) < 1.5;
            }, [element(Tables.add + section), table.y]);
            // Sections of 20 rows of 40 points under a header of 30: 830 points each.
            const pixelsPerPoint = table.width / (device === 'phone' ? 320 : 768);
            let offset = 0;
            for (const [section, name] of [[0, 'Quantitative'], [1, 'Verbal']]) {
                const target = section * 830 + 200;
                await page.mouse.wheel(0, (target - offset) * pixelsPerPoint);
                offset = target;
                await atTop(section);
                await shot(`tables-scrolled-${section}`);
                const add = await centre(element(Tables.add + section));
                await page.mouse.click(add.x, add.y);
                await waitForStatus(page, `add to ${name}`);
            }
        });
    });
}

// The page of drawing: a stroke drawn with the mouse shows white on the black pad while it is
// drawn and after it ends, reaching the page as tiles of the pad's picture, and "Clear" makes the
// pad black again.
const Drawing = { sketch: 60, clear: 61 };
for (const device of ['phone', 'tablet']) {
    describe(`the gallery's drawing page on the ${device}`, () => {
        const s = withGallery(device);
        const shot = (name) => s.page.screenshot({ path: path.join(artifacts, `display_gallery-${device}-${name}.png`) });
        // The brightness (0..255) of the pad's picture under a point of the window.
        const brightness = (x, y) => s.page.evaluate(([selector, px, py]) => {
            const canvas = document.querySelector(selector);
            const r = canvas.getBoundingClientRect();
            const cx = Math.floor(((px - r.left) / r.width) * canvas.width);
            const cy = Math.floor(((py - r.top) / r.height) * canvas.height);
            const d = canvas.getContext('2d').getImageData(cx, cy, 1, 1).data;
            return d[3] ? Math.round((d[0] + d[1] + d[2]) / 3) : 0;
        }, [`${element(Drawing.sketch)} canvas`, x, y]);
        before(async () => {
            for (const title of ['Text and lists', 'Dates', 'Tables and patterns', 'Drawing']) {
                await clickText(s.page, 'More');
                await waitForStatus(s.page, `page ${title}`);
            }
            await settled(s.page);
        });

        test('a stroke is drawn as it goes, by tiles, and Clear wipes it', async () => {
            const { page } = s;
            const pad = await page.locator(element(Drawing.sketch)).boundingBox();
            const y = pad.y + pad.height * 0.4;
            const from = pad.x + pad.width * 0.2;
            const to = pad.x + pad.width * 0.8;
            const middle = (from + to) / 2;
            assert.equal(await brightness(middle, y), 0, 'the pad starts black');
            const tilesBefore = await page.evaluate(() => window.orvaDevice.screen.tilesPainted);
            await page.mouse.move(from, y);
            await page.mouse.down();
            for (let i = 1; i <= 12; ++i) await page.mouse.move(from + ((middle - from) * i) / 12, y + 20 * Math.sin(i / 2));
            // Half way, before the finger lifts, the stroke so far shows.
            await page.waitForFunction(([s, n]) => window.orvaDevice.screen.tilesPainted > n && window.orvaDevice.settled(),
                [element(Drawing.sketch), tilesBefore]);
            assert.ok(await brightness(from, y) > 200, 'the start of the stroke is white');
            await shot('drawing-stroke');
            for (let i = 1; i <= 12; ++i) await page.mouse.move(middle + ((to - middle) * i) / 12, y);
            await page.mouse.up();
            await page.waitForFunction((t) => document.querySelector(t)?.textContent.startsWith('stroke of '),
                `${element(Tag.status)} > .text > span`);
            await settled(page);
            assert.ok(await brightness(to - 2, y) > 200, 'the end of the stroke is white');
            assert.equal(await brightness(middle, pad.y + pad.height * 0.8), 0, 'away from it the pad is black');
            await shot('drawing');

            await clickText(page, 'Clear');
            await waitForStatus(page, 'cleared');
            await settled(page);
            assert.equal(await brightness(from, y), 0, 'cleared');
        });
    });
}

// The page of the map and location: four capitals as pins on a plain drawn map, and a green pin
// where the device is. Without a position the device says it does not know; the page's Location
// control types one, takes the browser's own, or switches the services off, and the green pin
// follows. A tap selects a pin and shows its callout, a tap beside deselects it; a drag pans and
// the wheel zooms.
const MapPage = { map: 70, pin: 80, device: 84 };
const Places = { paris: 0, berlin: 1, madrid: 2, rome: 3 };
for (const device of ['phone', 'tablet']) {
    describe(`the gallery's map and location on the ${device}`, () => {
        const s = withGallery(device);
        const shot = (name) => s.page.screenshot({ path: path.join(artifacts, `display_gallery-${device}-${name}.png`) });
        const box = (tag) => s.page.locator(element(tag)).boundingBox();
        // A pin's head, where a finger taps it.
        const head = async (tag) => {
            const b = await box(tag);
            return { x: b.x + b.width / 2, y: b.y + b.height * 0.2 };
        };
        const tip = async (tag) => {
            const b = await box(tag);
            return { x: b.x + b.width / 2, y: b.y + b.height };
        };
        before(async () => {
            for (const title of ['Text and lists', 'Dates', 'Tables and patterns', 'Drawing', 'Map and location']) {
                await clickText(s.page, 'More');
                await waitForStatus(s.page, `page ${title}`);
            }
        });

        test('pins stand on the map, and without a position the device says so', async () => {
            const { page } = s;
            await waitForStatus(page, 'location: location unknown');
            for (const place of Object.values(Places)) assert.equal(await page.locator(element(MapPage.pin + place)).count(), 1);
            assert.equal(await page.locator(element(MapPage.device)).count(), 0);
            // Paris lies west of Berlin, Madrid south-west of Paris, Rome south-east of it.
            const [paris, berlin, madrid, rome] = await Promise.all([0, 1, 2, 3].map((i) => tip(MapPage.pin + i)));
            assert.ok(paris.x < berlin.x && paris.y > berlin.y, 'Paris south-west of Berlin');
            assert.ok(madrid.x < paris.x && madrid.y > paris.y, 'Madrid south-west of Paris');
            assert.ok(rome.x > paris.x && rome.y > paris.y, 'Rome south-east of Paris');
            await settled(page);
            await shot('map');
        });

        test('a tap selects a pin and shows its callout, a tap beside deselects it', async () => {
            const { page } = s;
            const madrid = await head(MapPage.pin + Places.madrid);
            await page.mouse.click(madrid.x, madrid.y);
            await waitForStatus(page, 'selected Madrid');
            await waitShown(page, 'Spain');
            await settled(page);
            await shot('map-callout');
            const rome = await head(MapPage.pin + Places.rome);
            await page.mouse.click(rome.x, rome.y);
            await waitForStatus(page, 'selected Rome');
            await waitShown(page, 'Spain', { gone: true });
            await waitShown(page, 'Italy');
            const map = await box(MapPage.map);
            await page.mouse.click(map.x + 20, map.y + map.height * 0.3);
            await waitForStatus(page, 'deselected Rome');
            await waitShown(page, 'Italy', { gone: true });
        });

        test('a drag pans the map and the wheel zooms it', async () => {
            const { page } = s;
            const map = await box(MapPage.map);
            const before = await tip(MapPage.pin + Places.berlin);
            const from = { x: map.x + map.width * 0.7, y: map.y + map.height * 0.8 };
            await page.mouse.move(from.x, from.y);
            await page.mouse.down();
            for (let i = 1; i <= 8; ++i) await page.mouse.move(from.x - i * 10, from.y - i * 5);
            await page.mouse.up();
            await page.waitForFunction(([s, x]) => {
                const b = document.querySelector(s).getBoundingClientRect();
                return Math.abs(b.x + b.width / 2 - x) < 2;
            }, [element(MapPage.pin + Places.berlin), before.x - 80]);
            await settled(page);
            const moved = await tip(MapPage.pin + Places.berlin);
            assert.ok(Math.abs(moved.y - (before.y - 40)) < 2, `Berlin moved up with the finger: ${before.y} to ${moved.y}`);
            await shot('map-panned');

            const paris = await tip(MapPage.pin + Places.paris);
            const spread = Math.hypot(moved.x - paris.x, moved.y - paris.y);
            // The wheel's 240 pixels are 240 / scale device points: the span halves per 240 points.
            const scale = await page.evaluate(() => window.orvaDevice.state.scale);
            const grown = spread * 2 ** (1 / scale);
            await page.mouse.move(paris.x, paris.y);
            await page.mouse.wheel(0, -240);
            await page.waitForFunction(([a, b, d]) => {
                const tipOf = (s) => {
                    const r = document.querySelector(s).getBoundingClientRect();
                    return [r.x + r.width / 2, r.y + r.height];
                };
                const [ax, ay] = tipOf(a);
                const [bx, by] = tipOf(b);
                return Math.abs(Math.hypot(ax - bx, ay - by) - d) < 4 && window.orvaDevice.settled();
            }, [element(MapPage.pin + Places.paris), element(MapPage.pin + Places.berlin), grown]);
            await shot('map-zoomed');
        });

        test('a typed position moves the device there and the map follows', async () => {
            const { page } = s;
            await page.click('#location');
            await page.fill('#location-text', '48.8566, 2.3522');
            await page.click('#location-set');
            await waitForStatus(page, 'you are at 48.8566, 2.3522');
            await page.waitForFunction(() => document.getElementById('location-now').textContent === '48.8566, 2.3522');
            await page.locator(element(MapPage.device)).waitFor();
            await settled(page);
            // The green pin stands at the map's centre, on Paris.
            const map = await box(MapPage.map);
            const at = await tip(MapPage.device);
            const paris = await tip(MapPage.pin + Places.paris);
            assert.ok(Math.abs(at.x - (map.x + map.width / 2)) < 3 && Math.abs(at.y - (map.y + map.height / 2)) < 3,
                `the device's pin at ${at.x},${at.y}`);
            assert.ok(Math.abs(at.x - paris.x) < 3 && Math.abs(at.y - paris.y) < 3, 'on Paris');
            await shot('map-located');
            // A position off the globe is refused by the control.
            await page.fill('#location-text', '95, 10');
            await page.click('#location-set');
            await page.waitForFunction(() => /Type a latitude/.test(document.getElementById('location-note').textContent));
            await page.click('#location-close');
            await settled(page);
        });

        test("the browser's own position, then the location services off", async () => {
            const { page } = s;
            await browser.context.grantPermissions(['geolocation']);
            await browser.context.setGeolocation({ latitude: 41.9028, longitude: 12.4964 });
            await page.click('#location');
            await page.click('#location-browser');
            await waitForStatus(page, 'you are at 41.9028, 12.4964');
            await settled(page);
            const rome = await tip(MapPage.pin + Places.rome);
            const at = await tip(MapPage.device);
            assert.ok(Math.abs(at.x - rome.x) < 3 && Math.abs(at.y - rome.y) < 3, 'the device is on Rome');
            await shot('map-browser-position');
            await page.click('#location-off');
            await waitForStatus(page, 'location: location services are off');
            await page.waitForFunction(() => document.getElementById('location-now').textContent === 'location services off');
            await shot('map-location-off');
            await page.click('#location-close');
        });
    });
}
