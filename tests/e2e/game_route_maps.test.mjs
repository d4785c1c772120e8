// The route-map questions draw their roads on a canvas in a real page, at pixel ratio 1 and 2: the
// script runs without an error, every road is dark at its middle, the bypass too, and the canvas is
// clear between neighbouring roads.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import path from 'node:path';
import { mkdirSync } from 'node:fs';
import { artifacts, launchBrowser, removeProfiles } from './support.mjs';

const program = process.env.ORVA_GAME_ROUTE_MAPS;
let bodies = [];

before(() => {
    assert.ok(program, 'ORVA_GAME_ROUTE_MAPS names the map printer');
    bodies = execFileSync(program, { encoding: 'utf8' }).split('\n').filter((l) => l.length > 0);
    mkdirSync(artifacts, { recursive: true });
});

after(() => removeProfiles());

// The points to look at, in canvas points, worked out from the drawing statements themselves.
function samples(body) {
    const dark = [];
    const roadsAt = new Map();  // x of a segment's middle -> y of its roads' middles
    const add = (x, y) => {
        dark.push([x, y]);
        const key = Math.round(x * 10);
        if (!roadsAt.has(key)) roadsAt.set(key, { x, ys: [] });
        roadsAt.get(key).ys.push(y);
    };
    let at = null;
    for (const s of body.split(';')) {
        const m = /ctx\.(moveTo|lineTo|arc)\(([^)]*)\)/.exec(s);
        if (!m) continue;
        const v = m[2].split(',').map((t) => t.trim());
        if (m[1] === 'moveTo') at = [Number(v[0]), Number(v[1])];
        if (m[1] === 'lineTo') {
            const to = [Number(v[0]), Number(v[1])];
            // A straight road along the town line between two towns (not a stub of 10 points).
            if (at && at[1] === 50 && to[1] === 50 && to[0] - at[0] > 20) add((at[0] + to[0]) / 2, 50);
            at = to;
        }
        if (m[1] === 'arc' && v[5] === 'true') {
            const [x, y, r, from, to] = v.slice(0, 5).map(Number);
            const middle = (from + to) / 2;
            const point = [x + r * Math.cos(middle), y + r * Math.sin(middle)];
            if (point[1] < 20) dark.push(point);  // the bypass, high above the roads
            else add(...point);
        }
    }
    const light = [];
    for (const { x, ys } of roadsAt.values()) {
        ys.sort((a, b) => a - b);
        for (let i = 1; i < ys.length; ++i) light.push([x, (ys[i - 1] + ys[i]) / 2]);
    }
    return { dark, light };
}

for (const ratio of [1, 2]) {
    test(`every map is drawn at pixel ratio ${ratio}`, async () => {
        const context = await launchBrowser({ deviceScaleFactor: ratio, viewport: { width: 320, height: 200 } });
        try {
            for (const [i, body] of bodies.entries()) {
                const page = await context.newPage();
                const errors = [];
                page.on('pageerror', (e) => errors.push(e.message));
                await page.setContent(`<html><body style="margin:0">${body}</body></html>`);
                await page.waitForFunction(() => document.readyState === 'complete');
                assert.deepEqual(errors, [], `map ${i + 1} ran without an error`);
                const { dark, light } = samples(body);
                assert.ok(dark.length >= 2 && light.length >= 1, `map ${i + 1} has roads to look at`);
                const alpha = await page.evaluate(({ points, ratio }) => {
                    const canvas = document.getElementById('canvas');
                    const ctx = canvas.getContext('2d');
                    // The canvas holds ratio x ratio pixels per point only where the script doubled it; the
                    // pixel that holds a point is looked at.
                    const scale = canvas.width / 280;
                    return { scale, values: points.map(([x, y]) => ctx.getImageData(Math.floor(x * scale), Math.floor(y * scale), 1, 1).data[3]) };
                }, { points: [...dark, ...light], ratio });
                assert.equal(alpha.scale, ratio, 'the canvas has as many pixels as the screen');
                dark.forEach((p, k) => assert.ok(alpha.values[k] > 128, `map ${i + 1}: dark at ${p}`));
                light.forEach((p, k) => assert.ok(alpha.values[dark.length + k] < 64, `map ${i + 1}: light at ${p}`));
                await page.screenshot({ path: path.join(artifacts, `game_route_map_${i + 1}_x${ratio}.png`) });
                await page.close();
            }
        } finally {
            await context.close();
        }
    });
}
