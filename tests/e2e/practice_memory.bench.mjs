// A browser benchmark of the program's memory, run by hand (it prints figures and asserts none):
//
//     ORVAKIT=build/orvakit node --test tests/e2e/practice_memory.bench.mjs
//
// The large user of `bench_startup --write-large-data` (100,000 practice answers) opens Practice on
// the phone and closes it, which saves the practice file on a thread of its own. Printed for each of
// RUNS starts, and their medians: the program's resident memory with Practice open, the highest it
// rose to while Practice closed and its file was written (the kernel's peak, reset just before the
// tap), and the rise. The program's own peak while it started is printed too.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { cpSync, mkdtempSync, readFileSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import {
    openProgram, settled, startProgram, still, tapSettled, tapUntil, untilShown, useBrowser,
} from './support.mjs';

const program = process.env.ORVAKIT;
const browser = useBrowser({ viewport: { width: 900, height: 1150 }, full: true });
const RUNS = Number(process.env.RUNS ?? 5);

before(() => assert.ok(program, 'ORVAKIT names the program'));

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const statusKB = (pid, field) =>
    Number(new RegExp(`${field}:\\s+(\\d+)`).exec(readFileSync(`/proc/${pid}/status`, 'utf8'))[1]);
const MB = (kB) => (kB / 1024).toFixed(1);

// Opens Practice by its caption, which is part of its button. With this user's answers the home
// screen shows its feedback button for the first time, and the feedback screen opens by itself a
// moment later, before or after the tap: it is closed and the tap made again.
async function openPractice(page) {
    const opened = () => page.evaluate(() => (window.shownTexts('Filter and Sets').length ? 'practice'
        : window.shownTexts('Rate the kit').length ? 'feedback' : null));
    for (;;) {
        await still(page);
        if ((await opened()) !== 'feedback') {
            await tapSettled(page, 'Practice');
            await page.waitForFunction(() => window.shownTexts('Filter and Sets').length
                || window.shownTexts('Rate the kit').length);
            if ((await opened()) === 'practice') return;
        }
        await tapUntil(page, 'Done', untilShown(page, 'Library'));
    }
}

describe('memory of the closing save on the phone', () => {
    let large;
    before(() => {
        large = mkdtempSync(path.join(tmpdir(), 'orvakit-memory-'));
        const writer = path.join(path.dirname(program), 'bench', 'bench_startup');
        execFileSync(writer, ['--write-large-data', large], { stdio: 'ignore' });
    });
    after(() => rmSync(large, { recursive: true, force: true }));

    test('closing Practice for the large user', { timeout: 600000 }, async () => {
        const open = [], peak = [], started = [];
        for (let run = 0; run < RUNS; run++) {
            const data = browser.folder('orvakit-memory-data-');
            cpSync(path.join(large, 'data'), data, { recursive: true });
            const file = path.join(data, 'PracticeRepository');
            const s = await startProgram(program, ['--data-dir', data, '--resources', path.join(large, 'resources'),
                '--device', 'phone']);
            const pid = s.child.pid;
            try {
                const page = await openProgram(browser.context, s.address);
                started.push(statusKB(pid, 'VmHWM'));
                await openPractice(page);
                await settled(page);
                const saved = statSync(file, { bigint: true });
                // The kernel's peak is set back to what the program holds now.
                writeFileSync(`/proc/${pid}/clear_refs`, '5');
                open.push(statusKB(pid, 'VmRSS'));
                await tapUntil(page, 'Done', untilShown(page, 'Filter and Sets', { gone: true }));
                // The file is replaced (a new one renamed over it) once its save has ended.
                for (;;) {
                    const now = statSync(file, { bigint: true, throwIfNoEntry: false });
                    if (now && (now.ino !== saved.ino || now.mtimeNs !== saved.mtimeNs)) break;
                    await new Promise((resolve) => setTimeout(resolve, 5));  // polling the file
                }
                peak.push(statusKB(pid, 'VmHWM'));
                console.log(`run ${run + 1}: started at peak ${MB(started.at(-1))} MB; Practice open ${MB(open.at(-1))} MB, `
                    + `peak while closing ${MB(peak.at(-1))} MB (+${MB(peak.at(-1) - open.at(-1))} MB)`);
                await page.close();
            } finally {
                s.child.kill('SIGTERM');
                await s.exited;
            }
        }
        const rise = open.map((o, i) => peak[i] - o);
        console.log(`median of ${RUNS}: Practice open ${MB(median(open))} MB, peak while closing ${MB(median(peak))} MB, `
            + `rise ${MB(median(rise))} MB; peak while starting ${MB(median(started))} MB`);
    });
});
