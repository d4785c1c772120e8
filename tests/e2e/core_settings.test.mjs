// The settings tool of the real program in a browser: every option is changed through the settings
// list, opened from the home screen's settings button on the phone; the program ends (saving the
// user's data as it does when it is ended) and starts again on the same data folder, and the list
// and the option screens show what was chosen, also on the tablet. A change that is cancelled is
// not kept. Screenshots are kept as artefacts.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import path from 'node:path';
import {
    actUntil, artifacts, openProgram, openTool, settled, tapAndWait, tapText, tapUntilShown, typeInto, useBrowser, waitShown,
    withProgram,
} from './support.mjs';

const program = process.env.ORVAKIT;
assert.ok(program, 'ORVAKIT names the program');
const browser = useBrowser();
const dataDir = browser.folder('orvakit-settings-');

// The program on the data folder, shown in a page, with the settings list opened from its button.
// The tip band comes only while tips are switched on. The program ends as the platform's end does,
// saving the user's data on the way.
function withSettings(device, { tip }) {
    const s = withProgram(program, ['--data-dir', dataDir, '--device', device],
        (address) => openProgram(browser.context, address, { tip }));
    before(async () => {
        await openTool(s.page, device, 'Settings', 'Authorization');
    });
    after(async () => assert.equal((await s.run.exited).code, 0));
    s.shot = (name) => s.page.screenshot({ path: path.join(artifacts, `core_settings-${device}-${name}.png`) });
    return s;
}

// Opens the row's option screen and waits until it has slid in. The list lies over the home screen,
// which may show the same word: the list's comes last, on top.
const openRow = (page, title, shown) => tapAndWait(page, title, shown);
// Closes the open option screen by its key and waits until it has gone.
const closeWith = (page, key, shown) => tapAndWait(page, key, shown, { gone: true });

// A segment shows its title in white while it is selected.
const selectedTest = ([t, i]) => getComputedStyle(window.shownSpans(t).at(i)).color === 'rgb(255, 255, 255)';
const isSelected = (page, text, which = 0) => page.evaluate(selectedTest, [text, which]);

// Taps a segment by its title (the given one shown) until it shows itself selected: a second tap on
// a selected segment changes nothing.
const tapSegment = (page, text, which = 0) => actUntil(() => tapText(page, text, { which }),
    (timeout) => page.waitForFunction(selectedTest, [text, which], { timeout }), { page });

// Taps segments by their titles, each [text, which shown one], and waits until they show it.
async function tapSegments(page, segments) {
    for (const [text, which] of segments) await tapSegment(page, text, which);
    await settled(page);
}

// After a restart: the list shows the forum login and the tips' choice.
async function listShowsTheChoices({ page, shot }) {
    await waitShown(page, 'reader');
    await waitShown(page, 'hide');
    await shot('list-after-restart');
}

// After a restart: the row's option screen shows the segments chosen, each [title, which shown
// one]; it is left by the key.
async function screenShowsTheChoices({ page, shot }, [row, heading, picture], segments, key) {
    await openRow(page, row, heading);
    if (picture) await shot(`${picture}-after-restart`);
    for (const [text, which] of segments) assert.ok(await isSelected(page, text, which), `${text} ${which}`);
    await closeWith(page, key, heading);
}

describe('the settings on the phone', () => {
    const s = withSettings('phone', { tip: true });

    test('every option is changed through the list, and a cancelled change is not kept', async () => {
        const { page, shot } = s;
        await shot('list');

        await openRow(page, 'Authorization', 'Forum account');
        await typeInto(page, 'input', 'reader', { nth: 0 });
        await typeInto(page, 'input', 'secret', { nth: 1 });
        await shot('authorization');
        await closeWith(page, 'Done', 'Forum account');
        await waitShown(page, 'reader');

        await openRow(page, 'Tips', 'Tips on the home screen');
        await tapSegments(page, [['Hide', -1]]);
        await shot('tips');
        await closeWith(page, 'Done', 'Tips on the home screen');
        await waitShown(page, 'hide');

        // Practice: the shake, the vibration on a wrong answer, the scan's time limit and its low-battery stop.
        await openRow(page, 'Practice', 'Question screen');
        await tapSegments(page, [['No', 0], ['No', 2], ['None', -1], ['No', 3]]);
        await shot('practice');
        await closeWith(page, 'Done', 'Question screen');

        await openRow(page, 'OG Tracker', 'Your last answer');
        await tapSegments(page, [['1 week', -1], ['Keeps running', -1]]);
        await shot('tracker');
        await closeWith(page, 'Done', 'Your last answer');
        await openRow(page, 'OG Tracker', 'Your last answer');
        assert.ok(await isSelected(page, '1 week'));
        await tapSegment(page, 'Always');
        await closeWith(page, 'Cancel', 'Your last answer');
        await shot('list-changed');
    });

    test("the list's done key ends the tool and the home screen is back", async () => {
        const { page } = s;
        await tapUntilShown(page, 'Done', 'Authorization', { gone: true });
        await waitShown(page, 'Library');
    });
});

describe('the settings on the phone after a restart', () => {
    const s = withSettings('phone', { tip: false });

    test('the list and the option screens show what was chosen', async () => {
        const { page } = s;
        await listShowsTheChoices(s);

        await openRow(page, 'Authorization', 'Forum account');
        assert.deepEqual(await page.locator('input').evaluateAll((fields) => fields.map((f) => f.value)), ['reader', 'secret']);
        await closeWith(page, 'Cancel', 'Forum account');

        await screenShowsTheChoices(s, ['Tips', 'Tips on the home screen'], [['Hide', 0]], 'Done');
        await screenShowsTheChoices(s, ['Practice', 'Question screen', 'practice'],
            [['No', 0], ['Yes', 1], ['No', 2], ['None', 0], ['No', 3]], 'Done');
        await screenShowsTheChoices(s, ['OG Tracker', 'Your last answer', 'tracker'],
            [['1 week', 0], ['Keeps running', 0]], 'Cancel');
    });
});

describe('the settings on the tablet after a restart', () => {
    const s = withSettings('tablet', { tip: false });

    test("the tablet's list and its screens read the same data", async () => {
        await listShowsTheChoices(s);
        await screenShowsTheChoices(s, ['Practice', 'Forum question scan', 'practice'], [['None', 0], ['No', 0]], 'Done');
        await screenShowsTheChoices(s, ['OG Tracker', 'Your last answer', 'tracker'], [['1 week', 0]], 'Cancel');
    });
});
