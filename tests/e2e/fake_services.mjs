// Local stand-ins for the outside services the program talks to, for the browser tests: a small
// HTTP server on 127.0.0.1 (a port the system chooses) that answers the paths a test gives it and
// keeps a log of every request. Beside it, ready-made routes of a forum (pages, a login form that
// sets a cookie, topic and sub-forum feeds), of news feeds, of the flashcard-sharing service and of
// the store's content server (with a small interactive e-book), so that a test's bundle can name
// the server in its Info.json.
//
//   import { start, forumRoutes, feedRoutes } from './fake_services.mjs';
//   const services = await start({ routes: { ...forumRoutes(), ...feedRoutes() } });
//   // services.base is 'http://127.0.0.1:PORT'; the forum is at services.base + '/forum/'.
//   ...
//   services.requests.filter((r) => r.path === '/forum/ucp.php');
//   await services.stop();
//
// A route is keyed by the path without its query ('/forum/viewtopic.php') and is either a reply
// or a function of the request answering a reply (or a promise of one). A reply is a string (an
// HTML page) or { status, headers, body }. Paths without a route answer 404.
//
// Each entry of `requests` (in arrival order) is { method, path, query, headers, body, cookies }:
// `query` a URLSearchParams, `headers` with lower-case names, `body` the text sent, `cookies` an
// object of the Cookie header's pairs. The same object is what a route function gets, with
// `base` (the server's address) added.
import { readFileSync } from 'node:fs';
import { createServer } from 'node:http';
import path from 'node:path';

export async function start({ routes = {} } = {}) {
    const requests = [];
    const server = createServer(async (req, res) => {
        const chunks = [];
        for await (const chunk of req) chunks.push(chunk);
        const url = new URL(req.url, 'http://127.0.0.1');
        const request = {
            method: req.method,
            path: url.pathname,
            query: url.searchParams,
            headers: { ...req.headers },
            body: Buffer.concat(chunks).toString('utf8'),
            cookies: parseCookies(req.headers.cookie),
        };
        requests.push(request);
        const route = routes[url.pathname];
        let reply = { status: 404, body: 'not here' };
        try {
            if (route !== undefined) reply = typeof route === 'function' ? await route({ ...request, base }) : route;
        } catch (err) {
            reply = { status: 500, body: String(err) };
        }
        if (typeof reply === 'string') reply = { body: reply };
        const headers = { 'content-type': 'text/html; charset=utf-8', ...(reply.headers ?? {}) };
        res.writeHead(reply.status ?? 200, headers).end(reply.body ?? '');
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    const base = `http://127.0.0.1:${server.address().port}`;
    const stop = () => new Promise((resolve) => {
        server.closeAllConnections?.();
        server.close(() => resolve());
    });
    return { base, requests, stop };
}

function parseCookies(header = '') {
    const cookies = {};
    for (const part of header.split(';')) {
        const eq = part.indexOf('=');
        if (eq > 0) cookies[part.slice(0, eq).trim()] = part.slice(eq + 1).trim();
    }
    return cookies;
}

const escape = (text) => String(text).replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');

// ---- The forum

// The forum's sub-forums and topics: a small board of practice questions written for these tests.
// Topics are numbered; the "previous" topic of one is the next lower number in its sub-forum.
export const forumBoard = {
    name: 'Vessark Forum',
    subForums: [
        {
            number: 140, title: 'Problem Solving', topics: [
                {
                    number: 5101, title: 'Two trains leave at noon',
                    post: 'Train P leaves at noon at 60 km/h; train Q leaves the same station at 1 pm on the same track at 80 km/h. At what time does Q reach P?<br />(A) 3 pm<br />(B) 4 pm<br />(C) 5 pm<br />(D) 6 pm<br />(E) 7 pm',
                    answer: 'B',
                },
                {
                    number: 5102, title: 'Average of five numbers',
                    post: 'The average of five numbers is 12. Four of them are 8, 10, 14 and 15. What is the fifth?<br />(A) 9<br />(B) 11<br />(C) 12<br />(D) 13<br />(E) 15',
                    answer: 'D',
                },
            ],
        },
        {
            number: 138, title: 'Sentence Correction', topics: [
                {
                    number: 7300, title: 'Neither the coach nor the players',
                    post: 'Neither the coach nor the players <u>was pleased with</u> the result.<br />(A) was pleased with<br />(B) were pleased with<br />(C) was pleased by<br />(D) are pleased with<br />(E) being pleased with',
                    answer: 'B',
                },
            ],
        },
    ],
};

// Checks of the numbers in the fixtures' texts, so that they stay right; each answers true.
export const contentChecks = {
    // Topic 5101: P has a 60 km head start at 1 pm and Q gains 20 km an hour: 4 pm, (B).
    trains: () => 13 + 60 / (80 - 60) === 16,
    // Topic 5102: 5 * 12 - (8 + 10 + 14 + 15) = 13, (D).
    average: () => 5 * 12 - (8 + 10 + 14 + 15) === 13,
    // Note "Rates and work": 1/3 + 1/6 of the tank an hour is 1/2, so 2 hours.
    pipes: () => 1 / (1 / 3 + 1 / 6) === 2,
    // Note "One more square root".
    root: () => Math.sqrt(144) === 12,
    // Geometry Drills, question 1: x + 2x + 3x = 180, so x = 30, (B).
    triangle: () => 180 / (1 + 2 + 3) === 30,
    // Geometry Drills, question 2: a diameter of 6 is a radius of 3, so the area is 9 pi, (B).
    circle: () => (6 / 2) ** 2 === 9,
};

const allTopics = () => forumBoard.subForums.flatMap((f) => f.topics.map((t) => ({ ...t, forum: f })));

function forumPage({ title, head = '', body, user }) {
    const status = user
        ? `<p class="user">Logged in as <b>${escape(user)}</b></p>`
        : '<p class="user"><a href="./ucp.php?mode=login">Login</a></p>';
    return `<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>${escape(forumBoard.name)} ${escape(title)}</title>${head}
<style>body{font-family:sans-serif;margin:8px;font-size:15px}a{color:#1a5e9a}.post{border:1px solid #ccc;padding:6px}</style>
</head><body><h1>${escape(title)}</h1>${status}<p><a href="./index.php">Board index</a></p>${body}</body></html>`;
}

function topicFeedLink(topic) {
    return `<link rel="alternate" type="application/atom+xml" title="Topic feed" href="./generate_feed.php?content=topic_posts&amp;t=${topic}">`;
}

function subForumFeedLink(forum) {
    return `<link rel="alternate" type="application/atom+xml" title="Forum feed" href="./generate_feed.php?content=topics&amp;f%5B%5D=${forum}">`;
}

// The forum's routes under /forum/. A sign-in with `login` and `password` sets the cookie "sid";
// pages then show "Logged in as <login>". Also answers the previous-topic form "tN.html?view=previous".
export function forumRoutes({ login = 'reader', password = 'secret word' } = {}) {
    const sessions = new Map();
    const userOf = (req) => sessions.get(req.cookies.sid);
    const index = (req) => forumPage({
        title: 'Board index',
        user: userOf(req),
        body: '<ul>' + forumBoard.subForums.map((f) =>
            `<li><a href="./viewforum.php?f=${f.number}">${escape(f.title)}</a></li>`).join('') + '</ul>',
    });
    const topicPage = (req, number) => {
        const topic = allTopics().find((t) => t.number === number);
        if (!topic) return { status: 404, body: forumPage({ title: 'No such topic', body: '<p>The topic does not exist.</p>', user: userOf(req) }) };
        return forumPage({
            title: topic.title,
            user: userOf(req),
            head: topicFeedLink(topic.number),
            body: `<p><a href="./viewforum.php?f=${topic.forum.number}">${escape(topic.forum.title)}</a></p>` +
                `<div class="post"><div class="content">${topic.post}</div></div>` +
                `<div class="post"><div class="content">OA is ${topic.answer}</div></div>`,
        });
    };
    const previous = (number) => {
        const topic = allTopics().find((t) => t.number === number);
        const older = topic?.forum.topics.map((t) => t.number).filter((n) => n < number).sort((a, b) => b - a)[0];
        return older;
    };
    const loginForm = (req, message = '') => forumPage({
        title: 'Login',
        user: userOf(req),
        body: `${message}<form method="post" action="./ucp.php?mode=login">
<p><label>Username <input type="text" name="username" id="username"></label></p>
<p><label>Password <input type="password" name="password" id="password"></label></p>
<p><label><input type="checkbox" name="autologin" id="autologin"> Log me on automatically each visit</label></p>
<p><input type="submit" name="login" value="Login" id="login"></p></form>`,
    });
    const routes = {
        '/forum/': index,
        '/forum/index.php': index,
        '/forum/viewforum.php': (req) => {
            const forum = forumBoard.subForums.find((f) => String(f.number) === req.query.get('f'));
            if (!forum) return { status: 404, body: 'no such forum' };
            return forumPage({
                title: forum.title,
                user: userOf(req),
                head: subForumFeedLink(forum.number),
                body: '<ul>' + forum.topics.map((t) => `<li><a href="./t${t.number}.html">${escape(t.title)}</a></li>`).join('') + '</ul>',
            });
        },
        '/forum/viewtopic.php': (req) => topicPage(req, Number(req.query.get('t'))),
        '/forum/ucp.php': (req) => {
            if (req.method !== 'POST') return loginForm(req);
            const fields = new URLSearchParams(req.body);
            if (fields.get('username') !== login || fields.get('password') !== password)
                return loginForm(req, '<p class="error">The user name or password is wrong.</p>');
            const sid = `s${sessions.size + 1}x${Date.now()}`;
            sessions.set(sid, login);
            return { status: 302, headers: { location: './index.php', 'set-cookie': `sid=${sid}; Path=/; HttpOnly` }, body: '' };
        },
        '/forum/generate_feed.php': (req) => {
            const topic = Number(req.query.get('t'));
            const forum = Number(req.query.get('f[]'));
            const entries = topic
                ? allTopics().filter((t) => t.number === topic)
                : allTopics().filter((t) => t.forum.number === forum);
            if (entries.length === 0) return { status: 404, body: 'no such feed' };
            const title = topic ? entries[0].title : entries[0].forum.title;
            return { headers: { 'content-type': 'application/atom+xml; charset=utf-8' }, body: atomFeed(req.base, title, entries) };
        },
    };
    // Topic pages by their short address, and the previous topic of one.
    for (const t of allTopics()) {
        routes[`/forum/t${t.number}.html`] = (req) => {
            if (req.query.get('view') !== 'previous') return topicPage(req, t.number);
            const older = previous(t.number);
            return older ? topicPage(req, older) : forumPage({ title: 'No older topic', body: '<p>There is no older topic in this forum.</p>', user: userOf(req) });
        };
    }
    return routes;
}

// The forum's question sub-forums as the practice tool's scan reads them, from the fixture pages
// of tests/fixtures/forum: each sub-forum a chain of topics from the newest to the oldest (PS with
// five, DS with one, SC with two, CR with one). "viewtopic.php?f=N&view=first_normal" answers a
// sub-forum's newest topic, "?t=N&view=previous_normal" the topic before N.
export function scanForumRoutes(fixtures) {
    const chains = {
        140: ['ps-5105', 'ps-5104', 'ps-5103', 'ps-5102', 'ps-5101'],
        141: ['ds-6202'],
        138: ['sc-7301', 'sc-7300'],
        139: ['cr-8401'],
    };
    const page = (name) => readFileSync(path.join(fixtures, 'forum', `${name}.html`), 'utf8');
    return {
        '/forum/viewtopic.php': (req) => {
            if (req.query.get('view') === 'first_normal') return page(chains[req.query.get('f')]?.[0] ?? 'no-older-topics');
            for (const chain of Object.values(chains)) {
                const i = chain.findIndex((name) => name.endsWith(req.query.get('t')));
                if (i < 0) continue;
                if (req.query.get('view') !== 'previous_normal') return page(chain[i]);
                return page(chain[i + 1] ?? 'no-older-topics');
            }
            return '<html><body>The requested topic does not exist.</body></html>';
        },
    };
}

function atomFeed(base, title, topics) {
    const entries = topics.map((t) => `<entry><title>${escape(t.title)}</title>
<link href="${base}/forum/t${t.number}.html"/><id>${base}/forum/t${t.number}.html</id>
<published>2024-03-0${(t.number % 9) + 1}T10:00:00</published><content type="html">${escape(t.post)}</content></entry>`).join('\n');
    return `<?xml version="1.0" encoding="UTF-8"?>
<feed xmlns="http://www.w3.org/2005/Atom"><title>${escape(forumBoard.name)} ${escape(title)}</title>
<link href="${base}/forum/"/>
${entries}
</feed>`;
}

// ---- News feeds

// Two RSS feeds under /feeds/: "/feeds/study.rss" (study notes, three items) and
// "/feeds/extra.rss" (one item), and "/feeds/empty.rss", a channel without items.
export function feedRoutes() {
    const rss = (title, items) => ({
        headers: { 'content-type': 'application/rss+xml; charset=utf-8' },
        body: `<?xml version="1.0" encoding="UTF-8"?>
<rss version="2.0"><channel><title>${escape(title)}</title><link>http://127.0.0.1/</link>
${items.map((i) => `<item><title>${escape(i.title)}</title><link>${escape(i.link)}</link><guid>${escape(i.guid)}</guid>
<pubDate>${i.date}</pubDate><description>${escape(i.description)}</description></item>`).join('\n')}
</channel></rss>`,
    });
    return {
        '/feeds/study.rss': (req) => rss('Study Notes', [
            {
                title: 'Reading charts quickly', guid: 'notes-3', date: 'Tue, 05 Mar 2024 09:00:00 +0000',
                link: `${req.base}/notes/charts.html`,
                description: '<p>Read the axes and the units <b>before</b> the numbers.</p>',
            },
            {
                title: 'Rates and work', guid: 'notes-2', date: 'Mon, 04 Mar 2024 09:00:00 +0000',
                link: `${req.base}/notes/rates.html`,
                description: '<p>Two pipes that fill a tank in 3 and 6 hours fill it together in 2 hours.</p>',
            },
            {
                title: 'Pacing a section', guid: 'notes-1', date: 'Sun, 03 Mar 2024 09:00:00 +0000',
                link: `${req.base}/notes/pacing.html`,
                description: '<p>Keep about two minutes a question.</p><script>document.title = "ran"</script>',
            },
        ]),
        '/feeds/extra.rss': (req) => rss('Extra Practice', [
            {
                title: 'One more square root', guid: 'extra-1', date: 'Wed, 06 Mar 2024 12:00:00 +0000',
                link: `${req.base}/notes/roots.html`,
                description: '<p>The square root of 144 is 12.</p>',
            },
        ]),
        '/feeds/empty.rss': rss('Nothing Yet', []),
    };
}

// ---- The flashcard-sharing service

// The service's search ("/1.0/sets") and its pictures ("/pictures/NAME.png"), answered from the
// fixture replies and pictures in `folder` (tests/fixtures/flashcard_service): page N of any search
// is "pageN.json" with the server's address in place of "{{SERVER}}"; a search for "broken" gets a
// reply cut short. The site itself ("/") is a page of one line.
export function flashcardServiceRoutes(folder) {
    const json = { 'content-type': 'application/json' };
    const routes = {
        '/': '<!DOCTYPE html><title>Sets</title><p>The stand-in flashcard service.</p>',
        '/1.0/sets': (req) => {
            if (req.query.get('q') === 'broken') return { headers: json, body: '{"sets": [' };
            const page = Number(req.query.get('page'));
            const body = readFileSync(path.join(folder, `page${page}.json`), 'utf8').replaceAll('{{SERVER}}', req.base);
            return { headers: json, body };
        },
    };
    for (const name of ['median', 'first', 'second']) {
        routes[`/pictures/${name}.png`] = () => ({
            headers: { 'content-type': 'image/png' },
            body: readFileSync(path.join(folder, 'pictures', `${name}.png`)),
        });
    }
    return routes;
}

// ---- The store's content server

// The content server's routes under /store/: the catalogue ("get_products.cgi", tab-separated
// lines) of `products` ({ id, order, version, title, subTitle, author, picId, kind: 'i_v1' for an
// interactive book, '' for a plain one, isNew }), and the e-book of a product ("get_content.cgi",
// the form's "pid") from `contents` (product identifier to the zip's bytes), sent `delay`
// milliseconds late as "application/epub+zip"; an unknown product gets an HTML error page.
export function storeRoutes({ products, contents, delay = 0 }) {
    const line = (p) => [p.id, p.order, p.version, p.title, p.subTitle, p.author, p.picId, '', p.kind ?? '',
        p.isNew ? 'YES' : 'NO'].join('\t');
    return {
        '/store/get_products.cgi': {
            headers: { 'content-type': 'text/plain' },
            body: products.map(line).join('\n') + '\n',
        },
        '/store/get_content.cgi': (req) => {
            const zip = contents[new URLSearchParams(req.body).get('pid')];
            if (!zip) return { status: 404, body: '<html><body>No such product.</body></html>' };
            const reply = { headers: { 'content-type': 'application/epub+zip' }, body: zip };
            return new Promise((resolve) => setTimeout(() => resolve(reply), delay));
        },
    };
}

// A zip archive of the entries ({ name: text or bytes }), stored without compression.
export function zipOf(entries) {
    const table = new Int32Array(256).map((_, n) => {
        let c = n;
        for (let k = 0; k < 8; k++) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
        return c;
    });
    const crc32 = (bytes) => {
        let c = -1;
        for (const b of bytes) c = table[(c ^ b) & 0xff] ^ (c >>> 8);
        return (c ^ -1) >>> 0;
    };
    // Little-endian fields, each [value, bytes].
    const pack = (fields) => Buffer.concat(fields.map(([value, size]) => {
        const field = Buffer.alloc(size);
        if (size === 2) field.writeUInt16LE(value);
        else field.writeUInt32LE(value);
        return field;
    }));
    const date = ((2024 - 1980) << 9) | (1 << 5) | 1;
    const locals = [];
    const centrals = [];
    let offset = 0;
    for (const [name, content] of Object.entries(entries)) {
        const data = Buffer.from(content);
        const fileName = Buffer.from(name);
        // Version needed, flags, method (stored), time, date, CRC, sizes, name and extra lengths.
        const common = [[20, 2], [0, 2], [0, 2], [0, 2], [date, 2], [crc32(data), 4], [data.length, 4],
            [data.length, 4], [fileName.length, 2], [0, 2]];
        const local = pack([[0x04034b50, 4], ...common]);
        locals.push(local, fileName, data);
        centrals.push(pack([[0x02014b50, 4], [20, 2], ...common, [0, 2], [0, 2], [0, 2], [0, 4], [offset, 4]]),
            fileName);
        offset += local.length + fileName.length + data.length;
    }
    const directory = Buffer.concat(centrals);
    const count = centrals.length / 2;
    const end = pack([[0x06054b50, 4], [0, 2], [0, 2], [count, 2], [count, 2], [directory.length, 4], [offset, 4],
        [0, 2]]);
    return Buffer.concat([...locals, directory, end]);
}

// A small interactive e-book for the store's tests, "Geometry Drills": one page of two questions
// (keys "Geometry_1_1" and "Geometry_1_2") with the page side of the bridge `script` (the sample
// book's book.js), and its question index. Checked by contentChecks.triangle and .circle.
export function geometryDrills(script) {
    const answers = (key, choices, right) => '<ol>' + choices.map((c, i) => {
        const letter = 'ABCDE'[i];
        return `<li><a href="booksQButton:${key}:${letter === right ? 'right' : 'wrong'}:${letter}">${c}</a></li>`;
    }).join('') + '</ol>';
    const question = (key, text, choices, right) =>
        `<div class="question" data-key="${key}"><p>${text}</p>${answers(key, choices, right)}<p class="mark"></p></div>`;
    const page = `<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE html>
<html xmlns="http://www.w3.org/1999/xhtml"><head><title>Angles and circles</title>
<link rel="stylesheet" type="text/css" href="book.css"/><script type="text/javascript" src="book.js"></script></head>
<body><h1>Angles and circles</h1>
<div class="qgroup"><div class="stat"><div class="right"></div><div class="wrong"></div></div>
${question('Geometry_1_1', 'The angles of a triangle measure <i>x</i>, 2<i>x</i> and 3<i>x</i> degrees. What is <i>x</i>?',
        ['20', '30', '36', '45', '60'], 'B')}
${question('Geometry_1_2', 'What is the area of a circle whose diameter is 6?',
        ['6&#960;', '9&#960;', '12&#960;', '18&#960;', '36&#960;'], 'B')}
</div></body></html>`;
    return zipOf({
        mimetype: 'application/epub+zip',
        'META-INF/container.xml': '<?xml version="1.0"?><container version="1.0" xmlns="urn:oasis:names:tc:opendocument:xmlns:container"><rootfiles><rootfile full-path="OEBPS/content.opf" media-type="application/oebps-package+xml"/></rootfiles></container>',
        'OEBPS/content.opf': `<?xml version="1.0" encoding="UTF-8"?>
<package xmlns="http://www.idpf.org/2007/opf" version="2.0" unique-identifier="id">
<metadata xmlns:dc="http://purl.org/dc/elements/1.1/"><dc:title>Geometry Drills</dc:title><dc:identifier id="id">geometry-drills</dc:identifier></metadata>
<manifest><item id="ncx" href="toc.ncx" media-type="application/x-dtbncx+xml"/><item id="angles" href="angles.html" media-type="application/xhtml+xml"/></manifest>
<spine toc="ncx"><itemref idref="angles"/></spine></package>`,
        'OEBPS/toc.ncx': `<?xml version="1.0" encoding="UTF-8"?>
<ncx xmlns="http://www.daisy.org/z3986/2005/ncx/" version="2005-1"><navMap>
<navPoint id="p1" playOrder="1"><navLabel><text>Angles and circles</text></navLabel><content src="angles.html"/></navPoint>
</navMap></ncx>`,
        'OEBPS/angles.html': page,
        'OEBPS/book.js': script,
        'OEBPS/book.css': '.question { border: 1px solid #ccc; border-radius: 6px; padding: 8px; margin: 10px 0; }\n' +
            '.question ol { list-style: upper-alpha; } .question a { text-decoration: none; color: #124; }\n' +
            '.question.right { border-color: #3c0; } .question.wrong { border-color: #e00; }\n' +
            '.stat { height: 8px; background: #ddd; display: flex; } .stat .right { background: #3c0; width: 0; }\n' +
            '.stat .wrong { background: #e00; width: 0; } .mark { color: #555; }\n',
        'OEBPS/intbooks_index.txt': JSON.stringify({
            name: 'Geometry',
            questions: [
                { section: '1', number: 1, tags: ['Angles', 'Triangles'] },
                { section: '1', number: 2, tags: ['Circles', 'Area'] },
            ],
            fileNameSectionDict: { 'angles.html': ['1'] },
        }),
    });
}
