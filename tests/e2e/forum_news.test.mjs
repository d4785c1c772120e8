// The news and forum tools of the real program in a browser, against a local fake of the forum and
// of the news feeds that the bundle's Info.json names. A person opens News, reads an item and adds
// a feed by its address; opens the forum, signs in on the forum's own form, browses to a topic,
// bookmarks it and adds its feed to the news. The program ends and starts again on the same data:
// the forum signs in by itself, the bookmark leads back to the topic, and the topic's feed is in
// the news. Screenshots of every step are kept as artefacts.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { writeFileSync } from 'node:fs';
import path from 'node:path';
import {
    artifacts, pictureCentre, settled, tapAndWait, tapText, tapToolButton, typeInto, useBrowser, waitShown,
    webFrame, withRestartableProgram,
} from './support.mjs';
import { feedRoutes, forumRoutes, start as startServices } from './fake_services.mjs';

const program = process.env.ORVAKIT;
assert.ok(program, 'ORVAKIT names the program');
const browser = useBrowser({ viewport: { width: 900, height: 1150 } });

let services;
before(async () => {
    services = await startServices({ routes: { ...forumRoutes({ login: 'reader', password: 'secret word' }), ...feedRoutes() } });
});
after(() => services?.stop());

// The program's resources with information that names the fake services: the forum's folder (given
// without its final "/", which the program adds) and the first built-in feed.
const bundleFor = (prefix) => browser.bundle(prefix, {
    MakerForumAddress: `${services.base}/forum`,
    DefaultFeedAddresses: [`${services.base}/feeds/study.rss`, '', '', '', '', '', '', '', '', ''],
});

async function tapPicture(page, name) {
    await pictureCentre(page, name);
    await settled(page);
    const { x, y } = await pictureCentre(page, name);
    await page.mouse.click(x, y);
}

// The forum's sheet of page actions, up and at rest.
async function openSheet(page) {
    await tapPicture(page, 'tb_action');
    await waitShown(page, 'Add RSS-channel');
    await settled(page);
}

// The page in the newest web view, and an element of it tapped: the element gets the click itself,
// since the device's picture is scaled.
const webPage = (page) => page.frameLocator(webFrame).last();
async function tapInPage(locator) {
    await locator.waitFor({ state: 'visible' });
    await locator.dispatchEvent('click');
}
// Waits until the web page shows the text.
const pageShows = (page, text) => webPage(page).locator(`text=${text}`).first().waitFor({ timeout: 15000 });

for (const device of ['phone', 'tablet']) {
    describe(`news and forum on the ${device}`, () => {
        const s = withRestartableProgram(browser, program,
            { prefix: 'orvakit-forum-news', device, resources: () => bundleFor(`orvakit-forum-news-${device}-`) });
        const shot = async (name) => {
            await settled(s.page);
            await s.page.screenshot({ path: path.join(artifacts, `forum_news-${device}-${name}.png`) });
        };

        test('News: the list, an item read, and a feed added by its address', async () => {
            const { page } = s;
            await tapToolButton(page, device, 'News');
            await waitShown(page, 'Vessark Mobile');
            await waitShown(page, '3');
            await shot('news-list');

            await tapAndWait(page, 'Vessark Mobile', 'Rates and work');
            await waitShown(page, '04 Mar 2024');
            await shot('feed-items');
            await tapText(page, 'Rates and work');
            await pageShows(page, 'Two pipes that fill a tank');
            // The header picture is as wide as the screen.
            const width = device === 'phone' ? 320 : 768;
            const header = webPage(page).locator('table.rssheader');
            await header.waitFor();
            assert.match(await header.evaluate((t) => getComputedStyle(t).backgroundImage), new RegExp(`news_item_background-${width}\\.png`));
            await shot('item-page');
            await tapAndWait(page, 'Back', 'Mark all read');
            await tapAndWait(page, 'News', 'Vessark Mobile');

            // Edit mode, the add key, the address checked and the feed added under a source.
            await tapPicture(page, 'tb_edittable');
            await waitShown(page, '+');
            await settled(page);
            await tapAndWait(page, '+', 'Please, enter URL of feed you want to add');
            await shot('add-panel');
            await typeInto(page, 'input', `${services.base}/feeds/nothing.rss`, { nth: 0 });
            await tapText(page, 'Check');
            await waitShown(page, 'Sorry, please check url or network.');
            await typeInto(page, 'input', `${services.base}/feeds/extra.rss`, { nth: 0, replace: true });
            await tapText(page, 'Check');
            await waitShown(page, 'Feed is successfully checked.');
            await waitShown(page, '1 records.');
            await typeInto(page, 'input', 'Extra', { nth: 1 });
            await shot('add-panel-checked');
            await tapAndWait(page, 'Add', 'Please, enter URL of feed you want to add', { gone: true, once: true });
            await waitShown(page, 'Extra');
            await tapAndWait(page, 'Done', 'Extra');
            await waitShown(page, 'Extra Practice');
            await shot('news-with-added-feed');
            await tapAndWait(page, 'Main', 'Forum');
        });

        test('Forum: signed in on its form, a topic browsed to, bookmarked and its feed added', async (t) => {
            const { page } = s;
            const postsBefore = services.requests.filter((r) => r.path === '/forum/ucp.php' && r.method === 'POST').length;
            await tapToolButton(page, device, 'Forum');
            await pageShows(page, 'Board index');
            await shot('forum-index');
            await tapInPage(webPage(page).locator('a', { hasText: 'Login' }));
            await pageShows(page, 'Log me on automatically');
            const form = webPage(page);
            await form.locator('#username').fill('reader');
            await form.locator('#password').fill('secret word');
            await form.locator('#autologin').evaluate((box) => { box.checked = true; });
            await shot('forum-login');
            await tapInPage(form.locator('#login'));
            await pageShows(page, 'Logged in as');
            const login = services.requests.filter((r) => r.path === '/forum/ucp.php' && r.method === 'POST');
            assert.equal(login.length, postsBefore + 1);
            assert.match(login.at(-1).headers['my-agent'], / Tovrida\/1\.0$/);
            assert.match(login.at(-1).headers['user-agent'], / Tovrida\/1\.0$/);
            await shot('forum-signed-in');

            // From the board to a sub-forum and a topic; the time a tapped link takes to show.
            const started = Date.now();
            await tapInPage(webPage(page).locator('a', { hasText: 'Problem Solving' }));
            await pageShows(page, 'Two trains leave at noon');
            const linkTime = Date.now() - started;
            t.diagnostic(`tapped forum link to the next page shown: ${linkTime} ms`);
            writeFileSync(path.join(artifacts, `forum_news-${device}-link-time.txt`), `${linkTime} ms\n`);
            await tapInPage(webPage(page).locator('a', { hasText: 'Two trains leave at noon' }));
            await pageShows(page, 'OA is B');
            const topic = services.requests.filter((r) => r.path === '/forum/t5101.html').at(-1);
            assert.ok(topic.cookies.sid, 'the session cookie went with the page');
            assert.match(topic.headers['my-agent'], / Tovrida\/1\.0$/);
            await shot('forum-topic');

            await openSheet(page);
            await tapAndWait(page, 'Add Bookmark', 'Bookmark name');
            await waitShown(page, 'Save');
            assert.equal(await page.locator('input').first().inputValue(), 'Two trains leave at noon');
            await shot('bookmark-editor');
            await tapAndWait(page, 'Save', 'Bookmark name', { gone: true, once: true });

            await openSheet(page);
            await tapAndWait(page, 'Add RSS-channel', 'Add Bookmark', { gone: true, once: true });
            await shot('forum-after-feed');
            await tapAndWait(page, 'Main', 'News');
        });

        test('after a restart the forum signs in by itself, the bookmark leads back, the feed is in News', async () => {
            await s.end();
            const posts = services.requests.filter((r) => r.path === '/forum/ucp.php' && r.method === 'POST').length;
            await s.launch();
            const { page } = s;
            await tapToolButton(page, device, 'Forum');
            await pageShows(page, 'Logged in as');
            const login = services.requests.filter((r) => r.path === '/forum/ucp.php' && r.method === 'POST');
            assert.equal(login.length, posts + 1);
            assert.equal(login.at(-1).body, 'username=reader&password=secret%20word&login=Login');

            await tapPicture(page, 'tb_bookmarks');
            await waitShown(page, 'Two trains leave at noon');
            await shot('bookmarks');
            await tapAndWait(page, 'Two trains leave at noon', 'Bookmarks', { gone: true });
            await pageShows(page, 'OA is B');
            await shot('bookmark-followed');

            // The stopwatch on the second row.
            await tapPicture(page, 'tb_switchtb');
            await tapPicture(page, 'tb_stopwatch');
            await waitShown(page, '00:00');
            await shot('stopwatch');
            await tapPicture(page, 'tb_stopwatch');
            await waitShown(page, '00:00', { gone: true });

            await tapAndWait(page, 'Main', 'News');
            await tapToolButton(page, device, 'News');
            await waitShown(page, 'Vessark Forum Two trains leave at noon');
            await shot('news-with-forum-feed');
            await tapAndWait(page, 'Vessark Forum Two trains leave at noon', 'Mark all read');
            await waitShown(page, 'Two trains leave at noon');
            await shot('forum-feed-items');
        });
    });
}
