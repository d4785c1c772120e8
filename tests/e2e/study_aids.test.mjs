// The study aids of the real program on the phone and on the tablet. A candidate with more than
// 400 answers sees the feedback tool open by itself, rates the kit and writes to the maker (both
// links are recorded by the page, not followed). The courses tool lists the providers; a provider's
// page opens, and from the page that has them the test centres. The centre list folds its country
// sections and, with the device in New York (--location), sorts the centres by distance. A centre
// opens on the map with its web-map, Skype and (on the phone) telephone links; the map of all
// centres selects a pin. From the library the maths review lists its topics and shows a page.
// Screenshots of every step are kept as artefacts.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { inflateSync } from 'node:zlib';
import { cpSync, readFileSync, writeFileSync } from 'node:fs';
import path from 'node:path';
import {
    artifacts, openProgram, settled, shownFrameTexts, shownTextItems, shownTexts, tapPicture, tapSettled,
    tapToolButton, untilFrameTexts, useBrowser, waitShown, withProgram,
} from './support.mjs';

const program = process.env.ORVAKIT;
const source = process.env.ORVA_SOURCE;
const writeData = process.env.ORVA_STATISTICS_DATA;
const browser = useBrowser({ viewport: { width: 900, height: 1150 } });
before(() => assert.ok(program && source && writeData, 'ORVAKIT, ORVA_SOURCE and ORVA_STATISTICS_DATA are set'));

// The outside addresses of the information file, on the loopback interface: nothing is fetched.
const webMap = 'http://127.0.0.1:9';
const store = 'http://127.0.0.1:9';
const support = 'support@example.org';
function resourcesWithAddresses() {
    const folder = browser.folder('orvakit-aids-resources-');
    const resources = path.join(source, 'resources');
    cpSync(resources, folder, { recursive: true });
    const info = JSON.parse(readFileSync(path.join(resources, 'Info.json'), 'utf8'));
    Object.assign(info, { WebMapAddress: webMap, StoreWebAddress: store, StoreProductIdentifier: '42',
        SupportMailAddress: support });
    writeFileSync(path.join(folder, 'Info.json'), JSON.stringify(info));
    return folder;
}

// The page records what the device opens; here nothing leaves the page: every link goes to a
// window of its own, and the windows are stand-ins that load nothing.
async function recordLinksOnly(page) {
    await page.evaluate(() => {
        window.linkWindows = [];
        window.open = () => {
            const stand = { opener: null, location: {} };
            window.linkWindows.push(stand);
            return stand;
        };
    });
}
// The addresses the stand-in windows were sent to.
const linkWindows = (page) => page.evaluate(() => window.linkWindows.map((w) => w.location.href));
const opened = (page) => page.evaluate(() => window.orvaDevice.state.opened);
const waitOpened = (page, pattern) =>
    page.waitForFunction((p) => window.orvaDevice.state.opened.some((u) => new RegExp(p).test(u)), pattern.source);

function tap(page, text, options = {}) {
    return tapSettled(page, text, options);
}
const gone = (page, text, options = {}) => waitShown(page, text, { ...options, gone: true });
// Waits until the text is shown exactly so many times: a screen that slides out over another shows
// its keys until it has gone.
const shownCount = (page, text, count) => page.waitForFunction(([t, n]) => window.shownTexts(t).length === n, [text, count]);

// The pins on show: images of the pin's proportions on the device's screen, below its toolbar,
// grouped by picture (every red pin shares one).
async function pins(page) {
    return page.evaluate(() => {
        const found = {};
        const screen = document.getElementById('screen').getBoundingClientRect();
        for (const img of document.querySelectorAll('img')) {
            const r = img.getBoundingClientRect();
            if (r.height < 20 || Math.abs(r.width / r.height - 18 / 40) > 0.05) continue;
            if (r.left < screen.left || r.right > screen.right || r.top < screen.top + screen.height * 0.15
                || r.bottom > screen.bottom) continue;
            let shown = true;
            for (let e = img; e && e.nodeType === 1; e = e.parentElement) {
                const style = getComputedStyle(e);
                if (style.display === 'none' || style.visibility === 'hidden' || Number(style.opacity) === 0) shown = false;
            }
            if (!shown) continue;
            (found[img.src] ??= []).push({ x: r.x + r.width / 2, y: r.y + r.height * 0.2 });
        }
        return Object.values(found).sort((a, b) => b.length - a.length);
    });
}

// Taps a row and waits until the page it opens shows the text: one retried step, since a tap that
// comes while the list is still settling may not reach it.
async function openPage(page, row, text) {
    for (let attempt = 0; attempt < 3; attempt++) {
        await tap(page, row);
        const deadline = Date.now() + 5000;
        while (Date.now() < deadline) {
            if ((await shownFrameTexts(page)).some((t) => t.includes(text))) return;
            await page.waitForFunction(() => new Promise((resolve) => requestAnimationFrame(() => resolve(true))));
        }
        if (await shownTexts(page, row).then((all) => all.length === 0)) break;
    }
    await untilFrameTexts(page, (texts) => texts.some((t) => t.includes(text)), `the page of ${row}`);
}

// Waits until the map's base is drawn and at least `count` pins of one picture stand on it; answers
// the pins grouped by picture, the largest group first.
async function mapDrawn(page, count) {
    await page.waitForFunction(() => [...document.querySelectorAll('.el[data-kind="bitmap"]')]
        .some((e) => e.getBoundingClientRect().width > 50));
    let groups = [];
    for (let i = 0; i < 100 && !(groups[0]?.length >= count); i++) {
        await page.waitForFunction(() => new Promise((resolve) => requestAnimationFrame(() => resolve(true))));
        groups = await pins(page);
    }
    assert.ok(groups[0]?.length >= count, `the pins are on the map: ${groups.map((g) => g.length)}`);
    await settled(page);
    return groups;
}

// The colour of one pixel of the page: a screenshot of it alone, decoded (its one row's filter
// byte first, then red, green and blue).
async function pixel(page, at) {
    const png = await page.screenshot({ clip: { x: Math.round(at.x), y: Math.round(at.y), width: 1, height: 1 } });
    const data = [];
    for (let offset = 8; offset < png.length;) {
        const length = png.readUInt32BE(offset);
        if (png.toString('latin1', offset + 4, offset + 8) === 'IDAT') data.push(png.subarray(offset + 8, offset + 8 + length));
        offset += 12 + length;
    }
    const [, red, green, blue] = inflateSync(Buffer.concat(data));
    return { red, green, blue };
}

// The map's graticule as its edge labels write it: each degree once, latitudes in a column at the
// right edge and longitudes in a row at the bottom. Answers where a coordinate lies on the page,
// from the labels' places.
async function graticule(page) {
    const degrees = (item) => parseFloat(item.text) * (/[SW]$/.test(item.text) ? -1 : 1);
    const latitudes = await shownTextItems(page, '^[\\d.]+°[NS]$', true);
    const longitudes = await shownTextItems(page, '^[\\d.]+°[EW]$', true);
    for (const [name, labels, across] of [['latitudes', latitudes, 'x'], ['longitudes', longitudes, 'y']]) {
        assert.ok(labels.length >= 2, `the map names its ${name}: ${labels.map((l) => l.text)}`);
        assert.equal(new Set(labels.map((l) => l.text)).size, labels.length, `each of the ${name} once`);
        const places = labels.map((l) => l[across]);
        assert.ok(Math.max(...places) - Math.min(...places) < 12, `the ${name} stand in a line at an edge`);
    }
    const screen = await page.evaluate(() => document.getElementById('screen').getBoundingClientRect().toJSON());
    assert.ok(latitudes[0].x > screen.x + screen.width * 0.8, 'the latitudes at the right edge');
    assert.ok(longitudes[0].y > screen.y + screen.height * 0.9, 'the longitudes along the bottom');
    const line = (a, b, key) => (value) => a[key] + ((value - degrees(a)) * (b[key] - a[key])) / (degrees(b) - degrees(a));
    const y = line(latitudes[0], latitudes.at(-1), 'y');
    const x = line(longitudes[0], longitudes.at(-1), 'x');
    return (latitude, longitude) => ({ x: x(longitude), y: y(latitude) });
}

for (const device of (process.env.AIDS_DEVICES ?? 'phone,tablet').split(',')) {
    describe(`the study aids on the ${device}`, () => {
        const s = withProgram(program, () => {
            const data = browser.folder('orvakit-aids-');
            execFileSync(writeData, [data]);
            return ['--data-dir', data, '--device', device, '--resources', resourcesWithAddresses(),
                '--location', '40.7128,-74.0060'];
        }, (address) => openProgram(browser.context, address, { first: 'Rate the kit' }));
        const shot = async (name) => {
            await settled(s.page);
            await s.page.screenshot({ path: path.join(artifacts, `study_aids-${device}-${name}.png`) });
        };
        before(async () => recordLinksOnly(s.page));

        test('the feedback tool opens by itself, rates the kit and writes to the maker', async () => {
            const { page: p } = s;
            await waitShown(p, 'Write to us');
            await shot('feedback');
            await tap(p, 'Rate the kit');
            await waitOpened(p, /^http:\/\/127\.0\.0\.1:9\/WebObjects\/MZStore\.woa\/wa\/viewContentsUserReviews\?id=42&/);
            await tap(p, 'Write to us');
            await p.waitForFunction(() => window.orvaServices.state.mail !== null);
            const mail = await p.evaluate(() => window.orvaServices.state.mail);
            assert.equal(mail.to, support);
            assert.match(mail.subject, /^Tovrida \(v[\d.]+\)$/);
            assert.equal(mail.body, 'Hello!');
            await shot('feedback-mail');
            await p.click('#mail-close');
            await tap(p, 'Done');
            await waitShown(p, 'Courses');
            await gone(p, 'Rate the kit');
        });

        test('the courses tool lists the providers and opens their pages', async () => {
            const { page: p } = s;
            await tapToolButton(p, device, 'Courses');
            await waitShown(p, 'Manhattan ORVA');
            await waitShown(p, 'online');
            await waitShown(p, '35');
            await shot('courses');
            await openPage(p, 'Kaplan', 'Where the questions come from');
            await shot('provider');
            await tap(p, 'Done');
            await shownCount(p, 'Done', 1);
            await openPage(p, 'Manhattan ORVA', 'sample entries made for this kit');
            await shot('provider-centres');
            await tap(p, 'Test Centers');
            await waitShown(p, 'US [31]');
            await shot('provider-centre-list');
            await tap(p, 'Back');
            await gone(p, 'US [31]');
            await tap(p, 'Done');
            await shownCount(p, 'Test Centers', 1);
        });

        test('the centre list folds its countries and sorts by distance from the device', async () => {
            const { page: p } = s;
            await tap(p, 'Test Centers');
            await waitShown(p, 'US [31]');
            await shot('centres');
            await tap(p, 'US [31]');
            await waitShown(p, 'Toronto, M5H 3T4, Canada');
            await shot('centres-folded');
            await tap(p, 'US [31]');
            await waitShown(p, 'Boston, 02116, US');
            await tap(p, 'Distance');
            await waitShown(p, 'Address');
            await gone(p, 'US [31]');
            // Brooklyn is the nearest centre to the device, a few kilometres away; every row shows
            // its distance.
            await waitShown(p, 'Brooklyn, 11201, US');
            await waitShown(p, '^\\d\\.\\d mi$', { pattern: true });
            await shot('centres-distance');
        });

        test('a centre on the map with its links, then every centre', async () => {
            const { page: p } = s;
            await tap(p, 'Brooklyn, 11201, US');
            await waitShown(p, 'Web Map');
            await waitShown(p, '^\\d\\.\\d mi$', { pattern: true });
            await mapDrawn(p, 1);
            await graticule(p);
            // The scale in the units of the distance (the device's locale measures in miles).
            await waitShown(p, '^[\\d.]+ (mi|ft)$', { pattern: true });
            await shot('map-centre');
            await tap(p, 'Web Map');
            await waitOpened(p, /^http:\/\/127\.0\.0\.1:9\/maps\?ll=40\.693700,-73\.990000&q=75%20Court%20Street,%20Suite%20310@/);
            await tapPicture(p, 'Center_skype');
            await waitOpened(p, /^skype:\/\/manhattan\.orva\.centers$/);
            if (device === 'phone') {
                await tapPicture(p, 'Center_phone');
                await waitOpened(p, /^tel:\/\/\+1%20\(212\)%20555-0148$/);
            }
            // Each link went to a window of its own; the display kept its page, and takes the taps
            // that follow.
            const links = (await opened(p)).filter((u) => /^(skype|tel):/.test(u));
            assert.deepEqual((await linkWindows(p)).filter((u) => /^(skype|tel):/.test(u)), links);
            assert.equal(new URL(p.url()).pathname, '/');
            await shot('map-centre-links');
            if (device === 'tablet') {
                const keys = await p.locator('img[src*="Center_phone"]:visible').count();
                assert.equal(keys, 0, 'a tablet has no telephone key');
            }
            await tap(p, 'Back');
            await gone(p, 'Web Map');

            await tap(p, 'Map');
            await waitShown(p, 'Web Map');
            const groups = await mapDrawn(p, 10);
            await waitShown(p, '^\\d+ mi$', { pattern: true });
            // The ground is land and sea: Kansas pale, the Gulf of Mexico blue.
            const at = await graticule(p);
            const land = await pixel(p, at(38.5, -98)), sea = await pixel(p, at(27.5, -88));
            assert.ok(land.red > 220 && land.green > 220 && Math.abs(land.red - land.blue) < 30, `land: ${JSON.stringify(land)}`);
            assert.ok(sea.blue - sea.red > 30, `sea: ${JSON.stringify(sea)}`);
            await shot('map-all');
            // The red pin nearest the middle of the map: its centre's city line comes up in the panel
            // (the list under the map shows city lines too: one more is shown).
            const cityLine = '^[^,]+, \\d{5}, US$';
            const before = (await shownTexts(p, cityLine, true)).length;
            const middle = await p.evaluate(() => {
                const r = document.getElementById('screen').getBoundingClientRect();
                return { x: r.x + r.width / 2, y: r.y + r.height / 2 };
            });
            const near = (q) => Math.hypot(q.x - middle.x, q.y - middle.y);
            // One retried step: find the pin where it stands now and tap it, until its panel shows.
            let selected = false;
            for (let attempt = 0; attempt < 5 && !selected; attempt++) {
                const pin = (attempt ? (await pins(p))[0] : groups[0]).reduce((a, b) => (near(b) < near(a) ? b : a));
                await p.mouse.click(pin.x, pin.y);
                selected = await p.waitForFunction(([t, n]) => window.shownTexts(t, true).length > n,
                    [cityLine, before], { timeout: 3000 }).then(() => true, () => false);
            }
            assert.ok(selected, 'a tap on a pin opens its panel');
            await waitShown(p, 'Web Map');
            await shot('map-all-selected');
            assert.ok((await opened(p)).length >= 2);
            await tap(p, 'Back');
            await gone(p, 'Web Map');
            await tap(p, 'Back');
            await gone(p, 'Address');
            await tap(p, 'Done');
            await waitShown(p, 'Library');
        });

        test('the maths review lists its topics and shows a page', async () => {
            const { page: p } = s;
            await tapToolButton(p, device, 'Library');
            await tap(p, 'Math Book');
            await waitShown(p, 'Math Review');
            await waitShown(p, 'Number Theory');
            await waitShown(p, 'Coordinate Geometry');
            await shot('maths');
            await openPage(p, 'Triangles', '6-8-10 right triangle');
            await shot('maths-triangles');
            // Down the page: its figure and a worked example.
            for (const frame of p.frames()) {
                if (frame === p.mainFrame()) continue;
                // Only the frame scrolls (scrollIntoView would move the display's page as well).
                await frame.evaluate(() => {
                    const figure = document.querySelector('figure');
                    if (figure) window.scrollTo(0, figure.getBoundingClientRect().top + window.scrollY - 8);
                }).catch(() => {});
            }
            await shot('maths-triangles-example');
            await tap(p, 'Topics');
            await gone(p, 'Topics');
            await tap(p, 'Library');
            await gone(p, 'Math Review');
            await tap(p, 'Done');
            await gone(p, 'Math Book');
            await waitShown(p, 'Courses');
        });
    });
}
