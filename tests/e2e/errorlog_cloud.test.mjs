// The error log's concept cloud and text backup in the real program, on the phone and the tablet.
// A data folder holds a synthetic answer key (test data, written by the errorlog_data program) for
// the first book. Two questions are answered, one right and one wrong; then from the books list
// the Tags key opens the cloud, whose words settle, and each of its four keys is stepped. The Backup
// key opens the backup screen: the backup and the report are mailed (the mail composer beside the
// device shows the whole text) and the restore key, with nothing pasted into the device, reads
// "0/0". The book's history is cleared; the mailed backup is pasted into the device and restored,
// and the book's success rate comes back. Screenshots are kept as artefacts.
import { test, describe } from 'node:test';
import assert from 'node:assert/strict';
import { answer, browserForTests, errorLogRun, tap, tapPicture, textSettled } from './errorlog_support.mjs';
import { tapToolButton, waitShown } from './support.mjs';

const context = browserForTests();

// The cloud's words are its upper-case texts; waits until none of them moves any more.
const kWords = '^[A-Z0-9][A-Z0-9 ,\'-]+$';
async function wordsSettle(page) {
    await waitShown(page, kWords, { pattern: true });
    await page.waitForFunction((pattern) => {
        const key = JSON.stringify(window.shownTexts(pattern, true));
        const still = window.lastWords === key;
        window.lastWords = key;
        return still;
    }, kWords, { polling: 400 });
}

// Waits until the mail composer beside the device shows a mail whose body matches, and answers it.
async function mailed(page, pattern) {
    await page.waitForFunction((p) => new RegExp(p).test(window.orvaServices.state.mail?.body ?? ''), pattern.source);
    return page.evaluate(() => window.orvaServices.state.mail.body);
}

function flow(device) {
    const s = errorLogRun('errorlog_cloud', device, context);
    const { shot } = s;

    test('two answers, then the cloud settles and each key steps its value', async () => {
        const { page } = s;
        await tapToolButton(page, device, 'Error Log');
        await tap(page, 'OG12');
        await tap(page, 'Problem Solving');
        await tap(page, '1.');
        await tapPicture(page, 'Section_buttons_start');
        await waitShown(page, '0/230');
        await answer(page, s.right['1']);
        await answer(page, 'ABCDE'.split('').find((l) => l !== s.right['2']));
        await waitShown(page, '2/230');
        await tapPicture(page, 'tb_stop');
        await tap(page, 'Book');
        await tap(page, 'Books');

        await tap(page, 'Tags');
        await waitShown(page, 'answer');
        await wordsSettle(page);
        await shot('cloud');
        for (const [key, value] of [['Colour', 'time'], ['Colour', 'solved'], ['Type', 'DS'], ['Book', 'OG12'],
            ['Period', 'launch']]) {
            await tap(page, key);
            await waitShown(page, value);
        }
        await wordsSettle(page);
        await shot('cloud-stepped');
        await tap(page, 'Type');
        await tap(page, 'Type');
        await tap(page, 'Type');
        await tap(page, 'Type');
        await waitShown(page, 'PS');
        await tap(page, 'Optimize');
        await wordsSettle(page);
        await shot('cloud-ps');
        await tap(page, 'Books');
        await waitShown(page, 'OG Quant 2');
    });

    test('the backup and the report are mailed whole; the restore reads the device\'s pasteboard', async () => {
        const { page } = s;
        await tap(page, 'Backup');
        await tap(page, 'Mail a backup');
        const backup = await mailed(page, /^\*\*\* This is backup form Tovrida \(Books\)/);
        s.backup = backup;
        const lines = backup.match(/^Books-OG12-PS-PS-\d+-\d\d:\d\d-[A-E]-sure-\d\d:\d\d:\d\d\|\d{8};$/gm);
        assert.equal(lines.length, 2);
        await tap(page, 'Mail a report');
        const report = await mailed(page, /\n1\. \d\d:\d\d [A-E] right/);
        assert.match(report, /\n1\. \d\d:\d\d [A-E] right OA:[A-E] Tags:/);
        assert.match(report, /\n2\. \d\d:\d\d [A-E] wrong OA:[A-E] Tags:/);
        await shot('backup');
        await tap(page, 'Restore from the pasteboard');
        await waitShown(page, '0/0');
        await shot('restore-empty');
        await tap(page, 'Done');
        await waitShown(page, 'OG Quant 2');
    });

    test('the book\'s history is cleared', async () => {
        const { page } = s;
        await tap(page, 'OG12');
        await waitShown(page, '50.0 %');
        await textSettled(page, 'Problem Solving');
        await tapPicture(page, 'tb_clear');
        await tap(page, 'Delete');
        await waitShown(page, 'success rate');
        await shot('cleared');
    });

    test('the mailed backup, pasted into the device, brings the answers back', async () => {
        const { page } = s;
        await tap(page, 'Books');
        await waitShown(page, 'OG Quant 2');
        assert.ok(await page.evaluate((text) => window.orvaServices.pasteIntoDevice(text), s.backup));
        await tap(page, 'Backup');
        await tap(page, 'Restore from the pasteboard');
        await waitShown(page, '2/2');
        await shot('restored');
        await tap(page, 'Done');
        await tap(page, 'OG12');
        await waitShown(page, '50.0 %');
    });
}

describe('phone', () => flow('phone'));
describe('tablet', () => flow('tablet'));
