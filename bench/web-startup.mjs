// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// The web page's start-up against a bare page with the same elements and
// styles but no script and no module: first paint, interleaved in one
// headless Chromium, medians of many loads, at a desktop's width and at a
// phone's; the page's size raw and gzip; and the time of one list made
// from JavaScript.
//
//   node bench/web-startup.mjs PAGE.html BARE.html [RUNS]

import { readFileSync } from 'node:fs';
import { gzipSync } from 'node:zlib';
import { pathToFileURL } from 'node:url';
import { launch } from '../tests/web/support.js';

const [pagePath, barePath, runs = '30'] = process.argv.slice(2);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

const browser = await launch();
// At a desktop's width the form as described; at a phone's, in one column.
const screens = [
    { name: 'desktop, 800 by 600', options: { viewport: { width: 800, height: 600 } } },
    { name: 'phone, 360 by 640', options: { viewport: { width: 360, height: 640 }, deviceScaleFactor: 2, isMobile: true,
        hasTouch: true } },
];
async function FirstPaint(context, path) {
    const page = await context.newPage();
    await page.goto(pathToFileURL(path).href, { waitUntil: 'load' });
    const paint = await page.evaluate(() => new Promise((resolve) => {
        const seen = () => performance.getEntriesByName('first-contentful-paint')[0]?.startTime;
        const wait = () => (seen() ? resolve(seen()) : requestAnimationFrame(wait));
        wait();
    }));
    await page.close();
    return paint;
}

for (const screen of screens) {
    const context = await browser.newContext(screen.options);
    const times = { page: [], bare: [] };
    await FirstPaint(context, pagePath); // the browser's own start, not counted
    for (let run = 0; run < Number(runs); ++run) {
        times.page.push(await FirstPaint(context, pagePath));
        times.bare.push(await FirstPaint(context, barePath));
    }
    console.log(`first paint, ${screen.name}, median of ${runs}: page ${median(times.page).toFixed(1)} ms, bare page ${
        median(times.bare).toFixed(1)} ms, ratio ${(median(times.page) / median(times.bare)).toFixed(2)}`);
    await context.close();
}

// One list as a click makes it: the fields' texts in as UTF-8, the core's
// call, the lines out, with the page's own embedded module and the
// study list's number from the page's description.
const page = await (await browser.newContext()).newPage();
await page.goto(pathToFileURL(pagePath).href);
const perList = await page.evaluate(async () => {
    const bytes = Uint8Array.from(atob(document.getElementById('brenvikCore').textContent.trim()), (c) => c.charCodeAt(0));
    const core = (await WebAssembly.instantiate(bytes, {})).instance.exports;
    core._initialize();
    const study = JSON.parse(document.getElementById('formFacts').textContent).clicks[0].action;
    const utf8 = new TextEncoder();
    const fromUtf8 = new TextDecoder();
    const list = (texts) => {
        texts.forEach((text, slot) => {
            const field = utf8.encode(text);
            new Uint8Array(core.memory.buffer, core.brenvik_text(slot, field.length), field.length).set(field);
        });
        core.brenvik_choice(2, 0);
        core.brenvik_run(study);
        return fromUtf8.decode(new Uint8Array(core.memory.buffer, core.brenvik_result(), core.brenvik_result_size()))
            .split('\n');
    };
    const count = 20000;
    const start = performance.now();
    for (let i = 0; i < count; ++i)
        list(['FFE1', 'FFE1']);
    return ((performance.now() - start) / count) * 1000;
});
await browser.close();

const bytes = readFileSync(pagePath);
console.log(`page size: ${bytes.length} bytes raw, ${gzipSync(bytes, { level: 9 }).length} bytes gzip`);
console.log(`one study list from JavaScript (fields in, lines out): ${perList.toFixed(2)} us`);
