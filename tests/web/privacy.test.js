// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// Private by construction, as seen by the browser: after start, a list
// and a rejection on each tab, no request beyond the page itself, no
// cookie and nothing in any of the page's stores; and the page's policy
// refuses anything from outside.

import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { closeWindow, launch, openPage, openWindow, pageUrl, showTab } from './support.js';

let browser, context, page, errors;
const requests = [];
const answered = [];
before(async () => {
    browser = await launch();
    ({ context, page, errors } = await openPage(browser, {}, null));
    context.on('request', (request) => requests.push(request.url()));
    context.on('requestfinished', (request) => answered.push(request.url()));
    await page.reload();
    for (const [tab, button, field] of [['tbStudy', 'btnShow', 'edtCharNotify'], ['tabBeacon', 'btniBeacon', 'edtiBeaconUUID']]) {
        await showTab(page, tab);
        await page.click(`#${button}`);
        await openWindow(page);
        await closeWindow(page);
        await page.fill(`#${field}`, '');
        await page.click(`#${button}`);
        await openWindow(page);
        await closeWindow(page);
    }
});
after(async () => {
    assert.deepEqual(errors, [], 'no script error');
    await browser.close();
});

test('no request but the page itself', () => {
    assert.deepEqual(requests.filter((url) => !url.startsWith('data:')), [pageUrl]);
});

test('no cookie, nothing stored', async () => {
    assert.deepEqual(await context.cookies(), []);
    const stored = await page.evaluate(async () => ({
        cookie: document.cookie,
        localStorage: localStorage.length,
        sessionStorage: sessionStorage.length,
        indexedDB: (await indexedDB.databases()).length,
        caches: (await caches.keys()).length,
    }));
    assert.deepEqual(stored, { cookie: '', localStorage: 0, sessionStorage: 0, indexedDB: 0, caches: 0 });
});

test('the policy refuses every kind of request to the outside', async () => {
    const attempts = await page.evaluate(async () => {
        const refused = [];
        document.addEventListener('securitypolicyviolation', (event) => refused.push(event.effectiveDirective));
        await fetch('https://www.brenvik.example/').catch(() => {});
        const image = new Image();
        image.src = 'https://www.brenvik.example/logo.png';
        await new Promise((resolve) => { image.onerror = resolve; });
        const script = document.createElement('script');
        script.src = 'https://www.brenvik.example/x.js';
        document.head.append(script);
        await new Promise((resolve) => setTimeout(resolve, 100));
        return refused.sort();
    });
    assert.deepEqual(attempts, ['connect-src', 'img-src', 'script-src-elem']);
    assert.deepEqual(answered.filter((url) => !url.startsWith('data:')), [pageUrl]);
});
