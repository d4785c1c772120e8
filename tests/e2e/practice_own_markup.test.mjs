// Questions a person pastes into a set of their own are text, whatever they hold, in the real
// program in a browser, on the phone and on the tablet. The data folder holds an empty set of the
// person's own as the only set in practice. From the filter editor the person opens the set and its
// add-questions screen: a paste of more than a megabyte is refused with a message and leaves the
// text view as it was. Then a question written with script in it, an event attribute, a link to
// script, a form that submits itself and text that closes its paragraph early is pasted and added.
// On the question page the question shows all of that as written: nothing of it ran and no answer
// was recorded, until the person taps an option and the submit key. Screenshots of each step are
// kept.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import path from 'node:path';
import {
    actUntil, artifacts, openProgram, scrollUntilShown, settled, shownTexts, startProgram, tapInWebPage, tapSettled,
    tapSubmitKey, tapToolButton, tapUntil, untilShown, useBrowser, waitShown, webFrame,
} from './support.mjs';

const program = process.env.ORVAKIT;
const makeData = process.env.ORVA_PRACTICE_OWN_SET_DATA;
const browser = useBrowser({ viewport: { width: 900, height: 1150 } });

before(() => assert.ok(program && makeData, 'ORVAKIT and ORVA_PRACTICE_OWN_SET_DATA name the programs'));

const setName = 'My Own';
// Each hostile part sets `ran` in the page where it would run, and tries to record choice B.
const hostile = `#question# #type:PS#
<script>window.ran = 'script'; document.forms[0].requestSubmit();</script>
What is 15 % of 60?</p><script>window.ran = 'after the paragraph';</script>
<img src="x" onerror="window.ran = 'onerror'; document.getElementById('radioB').checked = true; document.forms[0].submit();">
<a href="javascript:window.ran = 'link'">See the working</a>
<form id="own"><input type="hidden" name="answer" value="2"></form><script>document.getElementById('own').submit();</script>
#options#
A) 6
B) 9
C) <b onmouseover="window.ran = 'option'">12</b>
D) 15
E) 18
#OA:B#
#explanation#
15 % of 60 = 0.15 x 60 = 9.<iframe src="javascript:parent.ran = 'frame'"></iframe>
`;
// More than the megabyte a paste may hold: ordinary questions, repeated.
const tooLong = `#question# #type:PS# What is 2 + 2? #options# A) 3 B) 4 C) 5 D) 6 E) 7 #OA:B#\n`.repeat(16000);
assert.ok(tooLong.length > 1024 * 1024);

// Taps "Done" until the state is reached; again only while the screen it belongs to (the text
// `on`) is still shown, so that a slow screen's tap never lands on the next one.
const doneUntil = (page, reached, on, pattern = false) => actUntil(() => tapSettled(page, 'Done'), reached,
    { again: async () => (await shownTexts(page, on, pattern)).length > 0 });
const question = (page) => page.frameLocator(webFrame).last();

function ownMarkupOn(device) {
    describe(`pasted questions of the person's own on the ${device}`, () => {
        const s = {};
        const shot = async (name) => {
            await settled(s.page);
            await s.page.screenshot({ path: path.join(artifacts, `practice-own-markup-${device}-${name}.png`) });
        };
        // A step of the story; on failure the screen is kept as it was.
        const step = (name, body) => test(name, async () => {
            try {
                await body(s.page);
            } catch (e) {
                await s.page?.screenshot({ path: path.join(artifacts, `practice-own-markup-${device}-failed.png`) });
                throw e;
            }
        });
        before(async () => {
            const data = browser.folder(`orvakit-own-markup-${device}-`);
            execFileSync(makeData, [data]);
            await browser.context.grantPermissions(['clipboard-read', 'clipboard-write']);
            s.run = await startProgram(program, ['--data-dir', data, '--device', device]);
            s.page = await openProgram(browser.context, s.run.address, { tip: true });
        });
        after(async () => {
            await s.page?.close().catch(() => {});
            s.run?.child.kill('SIGTERM');
            if (s.run) assert.equal((await s.run.exited).code, 0);
        });

        // Pastes the text from the browser's clipboard into the add-questions screen's text view.
        async function paste(page, text) {
            await page.evaluate((t) => navigator.clipboard.writeText(t), text);
            const box = await page.locator('textarea.input:visible').first().boundingBox();
            await page.mouse.click(box.x + box.width / 2, box.y + 15);
            await page.waitForFunction(() => document.activeElement?.matches('textarea.input'));
            await page.keyboard.press('Control+A');
            await page.keyboard.press('Control+V');
        }
        const textViewHolds = (page, text) => page.waitForFunction(
            (t) => [...document.querySelectorAll('textarea.input')].some((a) => a.offsetParent && a.value === t), text);

        step('the set is opened from the filter editor', async (page) => {
            await actUntil(() => tapToolButton(page, device, 'Practice'), untilShown(page, 'Filter and Sets'));
            await tapUntil(page, 'Filter and Sets', untilShown(page, 'Kaplan'));
            const box = await page.locator('#screen').boundingBox();
            const title = await scrollUntilShown(page, setName, { x: box.x + box.width / 2, y: box.y + box.height * 0.75 },
                { top: 60, bottom: device === 'phone' ? 400 : 900 });
            // The set's edit key stands over its picture, left of its title.
            const keys = await page.evaluate((image) => window.shownImageItems(image), 'Practice_set_edit');
            const key = keys.filter((k) => k.x < title.x).sort((a, b) => Math.abs(a.y - title.y) - Math.abs(b.y - title.y))[0];
            await actUntil(() => page.mouse.click(key.x, key.y), untilShown(page, `${setName} (0)`));
            await tapUntil(page, '+', untilShown(page, '^Write or paste questions', { pattern: true }));
            await settled(page);
        });

        step('a paste of more than a megabyte is refused with a message', async (page) => {
            await paste(page, tooLong);
            await waitShown(page, 'Text too long');
            await textViewHolds(page, '');
            await shot('too-long');
            await tapUntil(page, 'Ok', untilShown(page, 'Text too long', { gone: true }));
        });

        step('a question with script and forms in it is pasted and added', async (page) => {
            await paste(page, hostile);
            await textViewHolds(page, hostile);
            // A second tap on the key adds nothing: the set holds the question by then.
            await tapUntil(page, 'Add', untilShown(page, `${setName} (1)`));
            await shot('added');
            // Back to the practice tool, a screen at a time; the tool builds the questions to
            // practise when it opens, so it is left and opened again.
            await doneUntil(page, untilShown(page, 'Delete Set'), '^Write or paste questions', true);
            await doneUntil(page, untilShown(page, 'Delete Set', { gone: true }), 'Delete Set');
            await doneUntil(page, untilShown(page, 'Practise'), 'Kaplan');
            await doneUntil(page, untilShown(page, 'Practise', { gone: true }), 'Practise');
            await actUntil(() => tapToolButton(page, device, 'Practice'), untilShown(page, 'Practise'));
        });

        step('the question page shows it as written, and nothing of it ran or answered', async (page) => {
            const frame = question(page);
            await tapUntil(page, 'Practise', (timeout) => frame.locator('body', { hasText: 'What is 15 % of 60?' }).waitFor({ timeout }));
            // The clock has counted two seconds: whatever the page sent at its load has been handled.
            await waitShown(page, '^00:0[2-9]$', { pattern: true });
            const seen = await frame.locator('body').evaluate((body) => ({
                ran: window.ran ?? null,
                scripts: body.querySelectorAll('script').length,
                pictures: [...body.querySelectorAll('img')].map((i) => i.getAttribute('src')).filter((src) => !src.startsWith('separation_image')),
                scriptLinks: body.querySelectorAll('a[href^="javascript"]').length,
                frames: body.querySelectorAll('iframe').length,
                forms: body.querySelectorAll('form').length,
                bold: body.querySelectorAll('b[onmouseover]').length,
                text: body.innerText,
            }));
            assert.deepEqual({ ...seen, text: undefined }, {
                ran: null, scripts: 0, pictures: [], scriptLinks: 0, frames: 0, forms: 1, bold: 0, text: undefined,
            });
            for (const written of ['<script>window.ran = \'script\';', 'What is 15 % of 60?</p>', '<img src="x" onerror=',
                '<a href="javascript:', '<form id="own">', '<b onmouseover="window.ran = \'option\'">12</b>'])
                assert.ok(seen.text.includes(written), `shown as written: ${written}`);
            // No answer: the submit key is there, the explanation hidden, no option chosen.
            await frame.locator('#submit').waitFor({ state: 'visible' });
            assert.equal(await frame.locator('#explanation').isVisible(), false);
            assert.equal(await frame.locator('input[name="answer"]:checked').count(), 0);
            await shot('hostile-question');
        });

        step('the person\'s own tap answers it, once', async (page) => {
            const frame = question(page);
            await tapInWebPage(page, '#radioC');
            await frame.locator('#radioC:checked').waitFor();
            await tapSubmitKey(page);
            await frame.locator('#history', { hasText: 'current answer' }).waitFor();
            assert.equal(await frame.locator('#history .hrecord').count(), 1);
            assert.equal(await frame.locator('#history .hrecordAnswerWrong').textContent(), 'C');
            // Scrolled in the frame alone: scrolling the element into view would move the device's page too.
            await frame.locator('#explanation').evaluate((e) => window.scrollTo(0, e.getBoundingClientRect().top + window.scrollY));
            await shot('answered');
        });
    });
}

ownMarkupOn('phone');
ownMarkupOn('tablet');
