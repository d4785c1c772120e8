// A person's own question set and the practice text backup, in the real program in a browser, on
// the phone and on the tablet. From the filter editor the person makes a set, opens it, pastes
// marked-up text of three questions (one malformed) from the browser's clipboard and adds it: two
// questions come in. One is deleted by a sideways swipe; the set alone is switched on and its
// question answered on the question page. The backup mails every answer: the mail link the
// program asks the display to open carries the whole text. In a fresh data folder the person
// makes the set again from the same text, pastes the backup into the device and restores it:
// "1/1", and the set's answer bar shows the answer back. Screenshots of each step are kept.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import path from 'node:path';
import {
    actUntil, artifacts, drag, filterCount, mailed, openProgram, openTool, scrollListTo as scrollTo, settled,
    shownTexts, startProgram, tapSettled, tapSubmitKey, tapUntilShown, typeInto, untilShown, useBrowser,
    waitShown, webFrame,
} from './support.mjs';

const program = process.env.ORVAKIT;
const browser = useBrowser({ viewport: { width: 900, height: 1150 } });

before(() => assert.ok(program, 'ORVAKIT names the program'));

// Three questions; the second has four options and is left out. The answers, computed: 350 g of
// flour at 5 : 2 take 350 / 5 x 2 g of sugar; 7 pens at 4.50 for 3 cost 4.50 / 3 x 7.
const sugar = (350 / 5) * 2;
const pens = (4.5 / 3) * 7;
assert.equal(sugar, 140);
assert.equal(pens, 10.5);
const markup = `Questions of my own, written in the markup.
#question# #type:PS#
A recipe uses flour and sugar in the ratio 5 : 2. How many grams of sugar go with 350 grams of flour?
#options#
A) 70
B) ${sugar}
C) 175
D) 700
E) 875
#OA:B#
#explanation#
350 / 5 = 70 grams a part; sugar is 2 parts.
#question# #type:PS#
Only four options, so this question is left out.
#options#
A) 1
B) 2
C) 3
D) 4
#OA:A#
#question# #type:PS#
If 3 pens cost 4.50, how much do 7 pens cost?
#options#
A) 9.00
B) ${pens.toFixed(2)}
C) 12.00
D) 13.50
E) 15.75
#OA:B#
`;
const setName = 'My Ratios';
const builtInSets = ['Kaplan', 'Knewton', 'Manhattan ORVA', 'Princeton Review', 'Manhattan Review', 'Hard Quant Set'];
const mailHead = 'mailto:?subject=Tovrida&body=';

const waitGone = (page, text) => waitShown(page, text, { gone: true });
// The question page's frame.
const question = (page) => page.frameLocator(webFrame).last();

// The number of active marks the filter editor shows.
const activeMark = 'news_feed_checked';
const activeMarks = (page) => page.evaluate((image) => window.shownImages(image), activeMark);

function customSetsOn(device) {
    describe(`custom sets and the practice backup on the ${device}`, () => {
        const s = { device };
        const shot = async (page, name) => {
            await settled(page);
            await page.screenshot({ path: path.join(artifacts, `practice-custom-${device}-${name}.png`) });
        };
        const start = async (data) => {
            const run = await startProgram(program, ['--data-dir', data, '--device', device]);
            const page = await openProgram(browser.context, run.address, { tip: true });
            return { run, page };
        };
        const end = async (shown) => {
            await shown?.page?.close().catch(() => {});
            shown?.run?.child.kill('SIGTERM');
            if (shown?.run) assert.equal((await shown.run.exited).code, 0);
        };
        // A step of the story; on failure the screen is kept as it was.
        const step = (name, body) => test(name, async () => {
            try {
                await body();
            } catch (e) {
                const page = s.fresh?.page ?? s.page;
                await page?.screenshot({ path: path.join(artifacts, `practice-custom-${device}-failed.png`) });
                throw e;
            }
        });
        before(async () => {
            // The markup is pasted from the browser's clipboard.
            await browser.context.grantPermissions(['clipboard-read', 'clipboard-write']);
            Object.assign(s, await start(browser.folder(`orvakit-custom-${device}-`)));
        });
        after(async () => {
            await end(s);
            await end(s.fresh);
        });

        // From the home screen to the filter editor.
        async function openFilterEditor(page) {
            await openTool(page, device, 'Practice', 'Filter and Sets');
            await tapUntilShown(page, 'Filter and Sets', 'Kaplan');
        }
        // Opens the screen that makes a set by the filter editor's add key.
        const openCreateSet = (page) => tapUntilShown(page, '+', 'Create Set');
        // Fills in the set's name and description there.
        async function fillSet(page, name) {
            await typeInto(page, 'input.input', name, { enter: true });
            await typeInto(page, 'textarea.input', 'Ratio questions I wrote', { enter: true });
            return name;
        }
        // Opens the set's editor by the edit key of its row.
        async function editSet(page) {
            // The edit key stands over the lower half of the set's picture, left of its title.
            const title = await scrollTo(page, device, setName);
            const keys = await page.evaluate((image) => window.shownImageItems(image), 'Practice_set_edit');
            const key = keys.filter((k) => k.x < title.x).sort((a, b) => Math.abs(a.y - title.y) - Math.abs(b.y - title.y))[0];
            await actUntil(() => page.mouse.click(key.x, key.y), untilShown(page, `^${setName} \\(\\d+\\)$`, { pattern: true }), { page });
            await settled(page);
        }
        // Pastes the markup from the browser's clipboard into the add-questions screen and adds it.
        async function addMarkup(page) {
            await tapUntilShown(page, '+', '^Write or paste questions', { statePattern: true });
            // The display draws no keyboard: the bar has no key to put one away.
            assert.equal((await shownTexts(page, 'Hide Keyboard')).length, 0);
            await page.evaluate((text) => navigator.clipboard.writeText(text), markup);
            // A finger on the text view brings the keyboard; the browser's paste key fills it.
            const box = await page.locator('textarea.input:visible').first().boundingBox();
            await page.mouse.click(box.x + box.width / 2, box.y + 15);
            await page.waitForFunction(() => document.activeElement?.matches('textarea.input'));
            await page.keyboard.press('Control+V');
            await page.waitForFunction((text) => [...document.querySelectorAll('textarea')].some((t) => t.value === text), markup);
            await tapSettled(page, 'Add');
            await waitShown(page, `${setName} (2)`);
        }
        // The add-questions screen's key "Done" (the set editor under it has one in the same place)
        // and then the set editor's, each waited on until its screen has gone.
        const closeAddQuestions = (page) => tapUntilShown(page, 'Done', '^Write or paste questions', { gone: true, statePattern: true });
        const closeSetEditor = (page) => tapUntilShown(page, 'Done', 'Delete Set', { gone: true, again: 'Delete Set' });

        step('a set is made from the filter editor', async () => {
            const { page } = s;
            await openFilterEditor(page);
            await openCreateSet(page);
            await shot(page, 'create-empty');
            await fillSet(page, setName);
            await shot(page, 'create-filled');
            await tapSettled(page, 'Create Set');
            await waitGone(page, 'Create Set');
            await scrollTo(page, device, setName);
            await shot(page, 'filter-with-set');
        });

        step('pasted marked-up text adds two questions, and a swipe deletes one', async () => {
            const { page } = s;
            await editSet(page);
            await waitShown(page, `${setName} (0)`);
            await addMarkup(page);
            await shot(page, 'questions-added');
            await closeAddQuestions(page);
            await waitShown(page, '2.');
            await shot(page, 'set-editor');
            // A sideways swipe on the second row shows its delete key.
            const row = await waitShown(page, '2.');
            await drag(page, { x: row.x + 150, y: row.y }, { x: -170, y: 0 }, 12);
            await settled(page);
            await tapSettled(page, 'Delete');
            await waitShown(page, `${setName} (1)`);
            await waitGone(page, '2.');
            await shot(page, 'row-deleted');
            await closeSetEditor(page);
        });

        step('the set alone is switched on and its question answered', async () => {
            const { page } = s;
            // A tap switches the row; the header follows at once and the row's mark when the
            // list reloads a moment later.
            const toggle = async (name, change) => {
                const count = await filterCount(page);
                const row = await scrollTo(page, device, name, { upwards: true });
                const before = await activeMarks(page);
                // Tapped again only while the header still shows the count before: a tap that
                // landed on a list still coming to rest switches nothing.
                await actUntil(() => page.mouse.click(row.x, row.y),
                    (timeout) => page.waitForFunction((n) => !window.shownTexts(`Filter: ${n}`).length, count, { timeout }),
                    { page, again: async () => (await shownTexts(page, `Filter: ${count}`)).length > 0 });
                await page.waitForFunction(([image, n]) => window.shownImages(image) === n, [activeMark, before + change]);
                await settled(page);
            };
            for (const name of builtInSets) await toggle(name, -1);
            await toggle(setName, 1);
            await waitShown(page, 'Filter: 1');
            await shot(page, 'only-my-set');
            await tapUntilShown(page, 'Done', 'Filter: 1', { gone: true, again: 'Filter: 1' });
            const frame = question(page);
            await actUntil(() => tapSettled(page, 'Practise'), (timeout) => frame.locator('#submit').waitFor({ state: 'visible', timeout }),
                { page, again: async () => (await shownTexts(page, 'Practise')).length > 0 });
            await frame.locator('body', { hasText: 'How many grams of sugar' }).waitFor();
            await frame.locator('#radioB').dispatchEvent('click');
            await frame.locator('#button').waitFor({ state: 'visible' });
            await tapSubmitKey(page);
            await frame.locator('#explanation').waitFor({ state: 'visible' });
            await shot(page, 'answered');
            await actUntil(() => tapSettled(page, 'Done'), (timeout) => page.locator(webFrame).waitFor({ state: 'detached', timeout }),
                { page, again: async () => (await page.locator(webFrame).count()) > 0 });
            await waitShown(page, 'Filter and Sets');
        });

        step('the backup mail carries the whole text', async () => {
            const { page } = s;
            await tapUntilShown(page, 'Filter and Sets', 'Backup');
            await tapUntilShown(page, 'Backup', 'Mail a backup');
            await shot(page, 'backup');
            await tapSettled(page, 'Mail a backup');
            const mail = await mailed(page, /^\*\*\* This is backup form Tovrida \(Practice\)/);
            assert.equal(mail.subject, 'Tovrida');
            assert.match(mail.body, new RegExp(`\\n-{48}\\n${setName}Ratio questions I wrote\\n-{48}\\n\\n` +
                'Practice-7001-PS-1-\\d\\d:\\d\\d-\\[2\\]-\\d\\d:\\d\\d:\\d\\d\\|\\d{8};\\n'));
            for (const name of builtInSets) assert.ok(mail.body.includes(`\n${name}`), name);
            assert.ok(mail.link.startsWith(mailHead));
            assert.equal(decodeURIComponent(mail.link.slice(mailHead.length)), mail.body);
            await shot(page, 'mailed');
            await page.locator('#mail-close').click();
            s.backup = mail.body;
        });

        step('in a fresh data folder the same set is made again and the pasted backup restores', async () => {
            s.fresh = await start(browser.folder(`orvakit-custom-fresh-${device}-`));
            const { page } = s.fresh;
            await openFilterEditor(page);
            await openCreateSet(page);
            await fillSet(page, setName);
            await tapSettled(page, 'Create Set');
            await waitGone(page, 'Create Set');
            await editSet(page);
            await addMarkup(page);
            await closeAddQuestions(page);
            await closeSetEditor(page);
            await tapUntilShown(page, 'Backup', 'Restore from the pasteboard');
            await tapSettled(page, 'Restore from the pasteboard');
            await waitShown(page, '0/0');
            assert.ok(await page.evaluate((text) => window.orvaServices.pasteIntoDevice(text), s.backup));
            await tapSettled(page, 'Restore from the pasteboard');
            await waitShown(page, '1/1');
            await shot(page, 'restored');
            await tapSettled(page, 'Restore from the pasteboard');
            await waitShown(page, '0/1');
            await tapUntilShown(page, 'Done', 'Restore from the pasteboard', { gone: true, again: 'Restore from the pasteboard' });
            // The set's bar: one of its two questions answered right.
            const row = await scrollTo(page, device, setName);
            const rights = await shownTexts(page, 'right');
            assert.ok(rights.some((r) => Math.abs(r.y - row.y) < 120), 'the answer bar of the set shows "right"');
            await shot(page, 'restored-history');
        });
    });
}

customSetsOn('phone');
customSetsOn('tablet');
