// The hard quantitative set's questions rendered by a real browser, as the question page places
// them: the body, the five answers (for data sufficiency the five fixed statements), then the
// explanation. Every record of both data files is rendered once to catch markup that shows as
// text; a few are kept as screenshots to be looked at.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdirSync, mkdtempSync, readdirSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { artifacts, launchBrowser, removeProfiles } from './support.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const sets = path.join(here, '..', '..', 'resources', 'question_sets');
const records = ['MHardQuantSet', 'MHardQuantSet200'].flatMap(
    (builder) => JSON.parse(readFileSync(path.join(sets, `${builder}.json`), 'utf8')).records);

const fixedStatements = [
    'Statement (1) ALONE is sufficient, but statement (2) alone is not sufficient.',
    'Statement (2) ALONE is sufficient, but statement (1) alone is not sufficient.',
    'BOTH statements TOGETHER are sufficient, but NEITHER statement ALONE is sufficient.',
    'EACH statement ALONE is sufficient.',
    'Statements (1) and (2) TOGETHER are NOT sufficient.',
];

function questionPage(record) {
    const answers = record.type === 2 ? fixedStatements : record.options;
    const rows = answers.map((text, k) =>
        `<tr${k + 1 === record.answer ? ' class="right"' : ''}><td>${'ABCDE'[k]}</td><td>${text}</td></tr>`);
    return `<!doctype html><html><head><meta charset="utf-8"><style>
        body { font: 16px sans-serif; margin: 12px; width: 640px; }
        img.mathtex { vertical-align: middle; padding: 2px; }
        tr.right td:first-child { font-weight: bold; color: #080; }
        .explanation { border-top: 1px solid #999; margin-top: 12px; }
    </style></head><body>
        <div class="body">${record.body}</div>
        <table class="answers">${rows.join('')}</table>
        <div class="explanation">${record.explanation}</div>
        <p class="tags">Tags: ${(record.tags ?? []).join(', ')}</p>
    </body></html>`;
}

let context;
let page;

before(async () => {
    mkdirSync(artifacts, { recursive: true });
    context = await launchBrowser({ viewport: { width: 680, height: 900 } });
    page = await context.newPage();
});

after(async () => {
    await context?.close();
    removeProfiles();
});

describe('hard quantitative set', () => {
    test('no question page is wider than the phone, its explanation shown', async () => {
        // The pages as the question screen builds them, in a page as wide as the phone's.
        const folder = mkdtempSync(path.join(tmpdir(), 'orvakit-question-pages-'));
        try {
            execFileSync(process.env.ORVA_PRACTICE_QUESTION_PAGES, [folder]);
            const phone = await context.newPage();
            await phone.setViewportSize({ width: 320, height: 480 });
            const faults = [];
            for (const name of readdirSync(folder)) {
                await phone.goto(pathToFileURL(path.join(folder, name)).href);
                const width = await phone.evaluate(() => document.documentElement.scrollWidth);
                if (width > 320) faults.push(`${name}: ${width} px wide`);
                if (name === '11.html') {
                    await phone.locator('#explanation img').last().scrollIntoViewIfNeeded();
                    await phone.screenshot({ path: path.join(artifacts, 'content_hard_quant-phone-11.png') });
                }
            }
            await phone.close();
            assert.deepEqual(faults, []);
        } finally {
            rmSync(folder, { recursive: true, force: true });
        }
    });

    test('every record renders without markup showing as text', async () => {
        assert.equal(records.length, 311);
        const faults = [];
        for (const record of records) {
            await page.setContent(questionPage(record));
            const shown = await page.evaluate(() => document.body.innerText);
            // Formula markers of the data's source, tags or entities must never reach the reader;
            // a dollar sign is shown only before an amount.
            const leak = shown.match(/\$(?!\d)|\\|<\/?[a-z]+|&[a-z]+;|\^\{|sqrt\{|cbrt\{/);
            if (leak) faults.push(`${record.number}: shows "${leak[0]}"`);
            const answers = await page.locator('table.answers tr').count();
            if (answers !== 5) faults.push(`${record.number}: ${answers} answers`);
            if (record.type === 2) {
                const statements = await page.locator('.body ol > li').count();
                if (statements !== 2) faults.push(`${record.number}: ${statements} statements`);
            }
        }
        assert.deepEqual(faults, []);
    });

    test('a few questions as the reader sees them', async () => {
        // A root and a fraction in the answers, a data-sufficiency record of each builder, a
        // defined operation, and figures in a stem and in an explanation.
        for (const number of [7, 11, 12, 58, 131, 161, 186, 216, 268, 305]) {
            const record = records.find((r) => r.number === number);
            await page.setContent(questionPage(record));
            const statements = await page.locator('.body ol > li').allInnerTexts();
            if (record.type === 2) {
                assert.equal(statements.length, 2);
                const marker = await page.locator('.body ol').evaluate((ol) => getComputedStyle(ol).listStyleType);
                assert.equal(marker, 'decimal');
            }
            assert.match(await page.locator('.explanation').innerText(), /The answer is [A-E]\./);
            // Every figure is decoded and shown at its size.
            const figures = await page.locator('img').evaluateAll((images) =>
                images.map((image) => image.complete && image.naturalWidth === 2 * image.width));
            assert.ok(figures.every((ok) => ok), `question ${number}: a figure did not load`);
            await page.screenshot({ path: path.join(artifacts, `content_hard_quant-${number}.png`), fullPage: true });
        }
    });
});
