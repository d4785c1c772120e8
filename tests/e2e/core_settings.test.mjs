// The settings tool of the real program in a browser: every option is changed through the settings
// list, opened from the home screen's settings button on the phone; the program ends (saving the
// user's data as it does when it is ended) and starts again on the same data folder, and the list
// and the option screens show what was chosen, also on the tablet. A change that is cancelled is
// not kept. Screenshots are kept as artefacts.
import { test, after } from 'node:test';
import assert from 'node:assert/strict';
import { mkdirSync, mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { artifacts, launchBrowser, removeProfiles, startProgram } from './support.mjs';

const program = process.env.ORVAKIT;
const dataDir = mkdtempSync(path.join(tmpdir(), 'orvakit-settings-'));
let context;

after(async () => {
    await context?.close();
    removeProfiles();
    rmSync(dataDir, { recursive: true, force: true });
});

const visibleText = (page, text) => page.locator('.text > span:visible', { hasText: new RegExp(`^${text}$`) });
const screenWidth = { phone: 320, tablet: 768 };
// How far (device points) a tool button's picture lies above the middle of its caption.
const captionBelow = { phone: 45, tablet: 48 };

// The program on the data folder, shown in a page, with the settings list opened from its button.
async function open(device) {
    const run = await startProgram(program, ['--data-dir', dataDir, '--device', device]);
    const page = await context.newPage();
    await page.goto(run.address);
    await visibleText(page, 'Library').waitFor();
    await page.evaluate(() => document.fonts.ready);
    await page.waitForTimeout(1600);  // the home screen is in and its tip band, if any, is up
    const tip = visibleText(page, '✕');
    if (await tip.count()) {
        await tap(page, '✕');
        await tip.waitFor({ state: 'detached' });
    }
    const scale = (await page.locator('#screen').boundingBox()).width / screenWidth[device];
    const caption = await visibleText(page, 'Settings').first().boundingBox();
    await page.mouse.click(caption.x + caption.width / 2, caption.y + caption.height / 2 - captionBelow[device] * scale);
    await visibleText(page, 'Authorization').waitFor();
    await page.waitForTimeout(600);  // the list has faded in
    const shot = (name) => page.screenshot({ path: path.join(artifacts, `core_settings-${device}-${name}.png`) });
    return { run, page, shot };
}

// Ends the program as the platform's end does; it saves the user's data on the way.
async function end({ run, page }) {
    await page.close();
    run.child.kill('SIGTERM');
    assert.equal((await run.exited).code, 0);
}

// A tap on the text; where it shows more than once, on the given one (the last is on top).
async function tap(page, text, which = 'last') {
    const texts = visibleText(page, text);
    const box = await (typeof which === 'number' ? texts.nth(which) : texts[which]()).boundingBox();
    await page.mouse.click(box.x + box.width / 2, box.y + box.height / 2);
}

// Opens the row's option screen and waits until it has slid in. The list lies over the home screen,
// which may show the same word: the list's comes last.
async function openRow(page, title, shown) {
    await tap(page, title);
    await visibleText(page, shown).waitFor();
    await page.waitForTimeout(400);
}

// Closes the open option screen by its key and waits until it has gone.
async function closeWith(page, key, shown) {
    await tap(page, key);
    await visibleText(page, shown).waitFor({ state: 'detached' });
}

// A segment shows its title in white while it is selected.
async function isSelected(page, text, which = 0) {
    return visibleText(page, text).nth(which).evaluate((span) => getComputedStyle(span).color === 'rgb(255, 255, 255)');
}

async function typeInto(page, index, text) {
    const field = page.locator('input').nth(index);
    const box = await field.boundingBox();
    await page.mouse.click(box.x + box.width / 2, box.y + box.height / 2);
    await page.waitForFunction((i) => document.activeElement === document.querySelectorAll('input')[i], index);
    await page.keyboard.type(text);
}

test('options changed through the settings list are there after a restart', async () => {
    assert.ok(program, 'ORVAKIT names the program');
    mkdirSync(artifacts, { recursive: true });
    context = await launchBrowser({ viewport: { width: 900, height: 1100 } });

    let phone = await open('phone');
    let { page, shot } = phone;
    await shot('list');

    await openRow(page, 'Authorization', 'Forum account');
    await typeInto(page, 0, 'reader');
    await typeInto(page, 1, 'secret');
    await shot('authorization');
    await closeWith(page, 'Done', 'Forum account');
    await visibleText(page, 'reader').waitFor();

    await openRow(page, 'Tips', 'Tips on the home screen');
    await tap(page, 'Hide');
    await shot('tips');
    await closeWith(page, 'Done', 'Tips on the home screen');
    await visibleText(page, 'hide').waitFor();

    // Practice: the shake, the vibration on a wrong answer, the scan's time limit and its low-battery stop.
    await openRow(page, 'Practice', 'Question screen');
    await tap(page, 'No', 0);
    await tap(page, 'No', 2);
    await tap(page, 'None');
    await tap(page, 'No', 3);
    await page.waitForTimeout(200);
    await shot('practice');
    await closeWith(page, 'Done', 'Question screen');

    await openRow(page, 'OG Tracker', 'Your last answer');
    await tap(page, '1 week');
    await tap(page, 'Keeps running');
    await page.waitForTimeout(200);
    await shot('tracker');
    await closeWith(page, 'Done', 'Your last answer');
    // A cancelled change is not kept.
    await openRow(page, 'OG Tracker', 'Your last answer');
    assert.ok(await isSelected(page, '1 week'));
    await tap(page, 'Always');
    await closeWith(page, 'Cancel', 'Your last answer');
    await shot('list-changed');

    // The list's done key ends the tool and the home screen is back.
    await tap(page, 'Done');
    await visibleText(page, 'Authorization').waitFor({ state: 'detached' });
    await end(phone);

    phone = await open('phone');
    ({ page, shot } = phone);
    await visibleText(page, 'reader').waitFor();
    await visibleText(page, 'hide').waitFor();
    await shot('list-after-restart');

    await openRow(page, 'Authorization', 'Forum account');
    assert.deepEqual(await page.locator('input').evaluateAll((fields) => fields.map((f) => f.value)), ['reader', 'secret']);
    await closeWith(page, 'Cancel', 'Forum account');

    await openRow(page, 'Tips', 'Tips on the home screen');
    assert.ok(await isSelected(page, 'Hide'));
    await closeWith(page, 'Done', 'Tips on the home screen');

    await openRow(page, 'Practice', 'Question screen');
    await shot('practice-after-restart');
    assert.deepEqual(
        [await isSelected(page, 'No', 0), await isSelected(page, 'Yes', 1), await isSelected(page, 'No', 2),
            await isSelected(page, 'None'), await isSelected(page, 'No', 3)],
        [true, true, true, true, true]);
    await closeWith(page, 'Done', 'Question screen');

    await openRow(page, 'OG Tracker', 'Your last answer');
    await shot('tracker-after-restart');
    assert.ok(await isSelected(page, '1 week'));
    assert.ok(await isSelected(page, 'Keeps running'));
    await closeWith(page, 'Cancel', 'Your last answer');
    await end(phone);

    // The tablet's list and its screens read the same data.
    const tablet = await open('tablet');
    ({ page, shot } = tablet);
    await visibleText(page, 'reader').waitFor();
    await visibleText(page, 'hide').waitFor();
    await shot('list-after-restart');
    await openRow(page, 'Practice', 'Forum question scan');
    assert.ok(await isSelected(page, 'None'));
    assert.ok(await isSelected(page, 'No'));
    await shot('practice-after-restart');
    await closeWith(page, 'Done', 'Forum question scan');
    await openRow(page, 'OG Tracker', 'Your last answer');
    assert.ok(await isSelected(page, '1 week'));
    await shot('tracker-after-restart');
    await closeWith(page, 'Cancel', 'Your last answer');
    await end(tablet);
});
