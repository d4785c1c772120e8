// The error log in the real program, on the phone and the tablet: a data folder holds a synthetic
// answer key (test data, written by the errorlog_data program) for the first book only and a
// companion explanation of its first problem-solving question. From the home screen the Error Log
// button opens the books; a book opens its sections and a section its tracker, where three
// questions are timed with the stopwatch and answered on the pad (one right, one wrong as a guess,
// one right), the official answer of a fourth is revealed and the first one's explanation is read
// with a larger font. Back at the book the success rate counts the scored answers. In the book
// without a key an answer shows its letter without a mark. After a restart the attempts are
// there. Screenshots are kept as artefacts.
import { test, describe } from 'node:test';
import assert from 'node:assert/strict';
import {
    answer, browserForTests, endProgram, errorLogRun, openErrorLogProgram, tap, tapPicture, waitGone,
} from './errorlog_support.mjs';
import { tapText, tapToolButton, waitShown, webFrame } from './support.mjs';

const program = process.env.ORVAKIT;
const context = browserForTests();

// The question's row: a tap on its number.
const tapRow = (page, number) => tap(page, `${number}.`);

function flow(device) {
    const s = errorLogRun('errorlog', device, context);
    const { shot } = s;

    test('three timed answers are scored in the book with a key', async () => {
        const { page } = s;
        await tapToolButton(page, device, 'Error Log');
        await waitShown(page, 'OG12');
        await shot('books');
        await tap(page, 'OG12');
        await waitShown(page, 'Problem Solving');
        await shot('book');
        await tap(page, 'Problem Solving');
        await waitShown(page, '1.');
        await shot('section');

        await tapRow(page, 1);
        await tapPicture(page, 'Section_buttons_start');
        await waitShown(page, device === 'phone' ? 'Sections' : 'Book');
        await waitShown(page, '0/230');
        await waitShown(page, '00:01');  // the first question takes a second on the stopwatch
        const other = (letter) => 'ABCDE'.split('').find((l) => l !== letter);
        await answer(page, s.right['1']);
        await answer(page, other(s.right['2']), true);
        await shot('running');
        await answer(page, s.right['3']);
        await waitShown(page, '3/230');
        await tapPicture(page, 'tb_stop');
        await waitShown(page, 'Book');
        await page.locator('img[src*="Section_right"]:visible').first().waitFor();
        assert.equal(await page.locator('img[src*="Section_right"]:visible').count(), 2);
        assert.equal(await page.locator('img[src*="Section_wrong"]:visible').count(), 1);
        await waitShown(page, 'g');

        // The fourth question has no explanation: its OA key shows the key's letter.
        await tapText(page, 'OA', { which: 0 });
        await waitShown(page, '^[A-E]$', { pattern: true });
        await shot('answered');
    });

    test('the first question\'s explanation is read with a larger font', async () => {
        const { page } = s;
        await tap(page, 'Explain');
        const title = device === 'phone' ? 'OG12 PS #1' : 'OG12 Problem Solving #1';
        await waitShown(page, title);
        const frame = page.frameLocator(webFrame).last();
        await frame.locator('text=stands in for a companion explanation').waitFor();
        await frame.locator('text=The correct answer is').waitFor();
        await tap(page, 'Aa');
        await tap(page, 'A+');
        const body = frame.locator('body');
        await body.evaluate((b) => new Promise((resolve) => {
            const check = () => (b.style.fontSize === '14pt' ? resolve() : requestAnimationFrame(check));
            check();
        }));
        await shot('explanation');
        await tap(page, 'Aa');
        await tap(page, 'Done');
        await waitGone(page, title);
    });

    test('the book counts the scored answers; a book without a key does not score', async () => {
        const { page } = s;
        await tap(page, 'Book');
        await waitShown(page, '66.7 %');
        await shot('bars');
        await tap(page, 'Books');
        await waitShown(page, 'OG Quant 2');
        await tap(page, 'OG Quant 2');
        await tap(page, 'Problem Solving');
        await tapRow(page, 1);
        await tapPicture(page, 'Section_buttons_start');
        await waitShown(page, '00:01');  // the question takes a moment on the stopwatch
        await answer(page, 'D');
        await tapPicture(page, 'tb_stop');
        await waitShown(page, 'D');
        assert.equal(await page.locator('img[src*="Section_right"]:visible, img[src*="Section_wrong"]:visible').count(), 0);
        await shot('unscored');
        await tap(page, 'Book');
        await waitShown(page, 'success rate');
        await tap(page, 'Books');
        await waitShown(page, 'OG12');
    });

    test('the attempts are there after a restart', async () => {
        await endProgram(s);
        await openErrorLogProgram(context(), program, s, device);
        const { page } = s;
        await tapToolButton(page, device, 'Error Log');
        await tap(page, 'OG12');
        await waitShown(page, '66.7 %');
        await tap(page, 'Problem Solving');
        await page.locator('img[src*="Section_wrong"]:visible').first().waitFor();
        await shot('restarted');
    });
}

describe('phone', () => flow('phone'));
describe('tablet', () => flow('tablet'));
