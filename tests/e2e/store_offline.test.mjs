// The store of the real program with the resources it ships, which name no content server, on the
// phone and on the tablet: opening it says that it cannot connect, in an alert whose title and
// message are shown whole, wrapped within the panel, above its key; the key closes it. Screenshots
// are kept as artefacts.
import { test, describe } from 'node:test';
import assert from 'node:assert/strict';
import path from 'node:path';
import {
    artifacts, openProgram, settled, tapText, tapToolButton, useBrowser, waitShown, withProgram,
} from './support.mjs';

const program = process.env.ORVAKIT;
assert.ok(program, 'ORVAKIT names the program');
const browser = useBrowser({ viewport: { width: 900, height: 1150 } });

const title = 'Unable to connect to store.';
const message = 'No store content server is configured.';

// How the shown text's lines fit: whether any is cut (its span holds more than it shows) and
// whether it lies within the box of the view that holds it (the alert's panel).
const fitOf = (page, text) => page.evaluate((t) => {
    const span = [...document.querySelectorAll('.text > span')].find((n) => n.textContent === t);
    if (!span) return null;
    const panel = span.closest('.el').parentElement.closest('.el').getBoundingClientRect();
    const r = span.getBoundingClientRect();
    return {
        cut: span.scrollWidth > span.clientWidth + 1 || span.scrollHeight > span.clientHeight + 1,
        inside: r.left >= panel.left - 1 && r.right <= panel.right + 1 && r.top >= panel.top - 1
            && r.bottom <= panel.bottom + 1,
        bottom: r.bottom,
    };
}, text);

for (const device of ['phone', 'tablet']) {
    describe(`the store without a content server on the ${device}`, () => {
        const s = withProgram(program, () => ['--data-dir', browser.folder('orvakit-store-offline-'), '--device', device],
            (address) => openProgram(browser.context, address, { tip: true }));

        test('says it cannot connect, in an alert that shows its whole title and message', async () => {
            const { page } = s;
            await tapToolButton(page, device, 'Store');
            await waitShown(page, title);
            await waitShown(page, message);
            await settled(page);
            await page.screenshot({ path: path.join(artifacts, `store_offline-${device}-alert.png`) });
            const fits = { title: await fitOf(page, title), message: await fitOf(page, message) };
            for (const [what, fit] of Object.entries(fits)) {
                assert.ok(fit && !fit.cut && fit.inside, `the ${what} is shown whole in the panel: ${JSON.stringify(fit)}`);
            }
            const key = await waitShown(page, 'Ok');
            assert.ok(fits.title.bottom <= fits.message.bottom && fits.message.bottom <= key.y, 'title, message, key');
            await tapText(page, 'Ok');
            await waitShown(page, title, { gone: true });
        });
    });
}
