// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// The site on a host (site-server.js, over 127.0.0.1): what it holds, an
// installable app with its icons, offline once opened, a new build taken
// in on the next visit with the older one's cache gone, nothing asked of
// another origin and nothing stored but the site's own files; and where
// the worker cannot be had, still the plain page.

import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { cpSync, mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';

import { ServeSite } from './site-server.js';
import { chromiumOptions, closeWindow, expected, form, openWindow, setField, showTab, wasmPath } from './support.js';
import { path } from './support-paths.js';

const built = { folder: path('BRENVIK_WEB_SITE', 'web/site'), headers: path('BRENVIK_WEB_SITE_HEADERS', 'web/site-headers.txt') };

// What the site must hold: the icons with their size, and their purpose
// where the manifest lists them.
const siteFiles = [
    { name: 'favicon.png', size: 32 },
    { name: 'icon-192.png', size: 192, purpose: 'any' },
    { name: 'icon-512.png', size: 512, purpose: 'any' },
    { name: 'icon-maskable-192.png', size: 192, purpose: 'maskable' },
    { name: 'icon-maskable-512.png', size: 512, purpose: 'maskable' },
    { name: 'index.html' },
    { name: 'manifest.webmanifest' },
    { name: 'service-worker.js' },
];
const icons = siteFiles.filter((file) => file.size);

// A list and a rejection on each tab, the shared tables' first.
const clicks = [
    { tab: 'tbStudy', button: 'btnShow', lines: expected.studyDefaults16, rejection: expected.studyRejections[0],
        fields: ({ notify, write }) => ({ edtCharNotify: notify, edtCharWrite: write }) },
    { tab: 'tabBeacon', button: 'btniBeacon', lines: expected.beaconDefaults, rejection: expected.beaconRejections[0],
        fields: ({ uuid, major, minor }) => ({ edtiBeaconUUID: uuid, edtiBeaconMajor: major, edtiBeaconMinor: minor }) },
];

let server, context, page;
const errors = [];
const requests = [];
const temporary = mkdtempSync(join(tmpdir(), 'brenvik-site-'));
// A profile of its own: Chromium installs no app from a private one.
before(async () => {
    server = await ServeSite(built);
    context = await chromium.launchPersistentContext(join(temporary, 'profile'), chromiumOptions);
    context.on('request', (request) => requests.push(request.url()));
    page = await context.newPage();
    page.on('pageerror', (error) => errors.push(error.message));
    await page.goto(server.url);
});
after(async () => {
    await context.close();
    server.close();
    rmSync(temporary, { recursive: true, force: true });
});

const cacheNames = () => page.evaluate(() => caches.keys());

test('the site holds its files and no other', () => {
    assert.deepEqual(readdirSync(built.folder).sort(), siteFiles.map(({ name }) => name));
});

test('an installable app, its manifest\'s addresses within the site, its icons the site\'s', async () => {
    const cdp = await context.newCDPSession(page);
    assert.deepEqual(await cdp.send('Page.getInstallabilityErrors'), { installabilityErrors: [] });
    const { errors: manifestErrors, data } = await cdp.send('Page.getAppManifest');
    assert.deepEqual(manifestErrors, []);
    const manifest = JSON.parse(data);
    assert.deepEqual([manifest.start_url, manifest.scope].map((url) => new URL(url, server.url).href),
        [server.url, server.url]);
    assert.equal(manifest.display, 'standalone');
    assert.equal(manifest.description, await page.getAttribute('meta[name=description]', 'content'));
    assert.deepEqual(manifest.icons.sort((one, other) => one.src.localeCompare(other.src)),
        icons.filter((icon) => icon.purpose).map(({ name, size, purpose }) =>
            ({ src: name, sizes: `${size}x${size}`, type: 'image/png', purpose })));
    assert.equal(await page.evaluate(() => document.querySelector('link[rel=icon]').href), `${server.url}favicon.png`);
});

// Each icon as drawn: its size, whether every pixel is opaque, and whether
// the glyph's white lies inside and outside the central circle of 40 %
// radius that a launcher's shape keeps.
test('each icon has its size; a maskable one fills the square with the glyph in the safe zone', async () => {
    const drawn = await page.evaluate((names) => Promise.all(names.map(async (name) => {
        const image = new Image();
        image.src = name;
        await image.decode();
        const size = image.naturalWidth;
        const canvas = new OffscreenCanvas(size, image.naturalHeight).getContext('2d');
        canvas.drawImage(image, 0, 0);
        const pixels = canvas.getImageData(0, 0, size, image.naturalHeight).data;
        const shown = { size: [size, image.naturalHeight], opaque: true, inside: false, outside: false };
        for (let at = 0; at < pixels.length / 4; ++at) {
            shown.opaque &&= pixels[4 * at + 3] === 255;
            const [x, y] = [at % size + 0.5 - size / 2, Math.floor(at / size) + 0.5 - size / 2];
            if (pixels[4 * at] > 160 && pixels[4 * at + 3] > 0)
                shown[Math.hypot(x, y) <= 0.4 * size ? 'inside' : 'outside'] = true;
        }
        return shown;
    })), icons.map(({ name }) => name));
    icons.forEach(({ name, size, purpose }, at) => {
        const { opaque, outside, ...seen } = drawn[at];
        assert.deepEqual(seen, { size: [size, size], inside: true }, name);
        if (purpose === 'maskable')
            assert.deepEqual({ opaque, outside }, { opaque: true, outside: false }, `${name}: full bleed, safe zone`);
    });
});

test('once opened, the worker controls the page and it works offline', async () => {
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
    const asked = server.requests.length;
    await context.setOffline(true);
    await page.reload();
    for (const { tab, button, lines, rejection, fields } of clicks) {
        await showTab(page, tab);
        await page.click(`#${button}`);
        assert.deepEqual((await openWindow(page)).lines, lines, `${button}: its list`);
        await closeWindow(page);
        for (const [id, text] of Object.entries(fields(rejection)))
            await setField(page, id, text);
        await page.click(`#${button}`);
        assert.equal((await openWindow(page)).text, rejection.message, `${button}: ${rejection.name}`);
        await closeWindow(page);
    }
    assert.deepEqual(server.requests.slice(asked), [], 'nothing reached the host');
    assert.equal((await cacheNames()).length, 1);
    await context.setOffline(false);
});

// The same build step over a copy of the description with the main
// window's caption changed.
function BuildChanged(folder) {
    const changed = structuredClone(form);
    changed.windows[0].caption += ' (rebuilt)';
    writeFileSync(join(folder, 'form.json'), JSON.stringify(changed));
    const { description } = JSON.parse(readFileSync(join(built.folder, 'manifest.webmanifest'), 'utf8'));
    const source = (name) => fileURLToPath(new URL(`../../${name}`, import.meta.url));
    const site = { folder: join(folder, 'site'), headers: join(folder, 'site-headers.txt') };
    execFileSync(process.execPath, [source('ui/web/build-site.mjs'), '--form', join(folder, 'form.json'),
        '--wasm', wasmPath, '--font', path('BRENVIK_WEB_FONT', 'web/form-face.woff'),
        '--logo', source('icons/brenvik-logo.svg'), '--description', description,
        '--out', site.folder, '--headers', site.headers]);
    return { ...site, caption: changed.windows[0].caption };
}

test('a new build on the host is shown after the worker\'s update, with only its cache left', { timeout: 120_000 },
    async () => {
        const [first] = await cacheNames();
        server.site = BuildChanged(temporary);
        await page.reload();
        // Until the new build's worker has taken over, deleting the older cache.
        await page.evaluate(async (older) => {
            while ((await caches.keys()).includes(older))
                await new Promise((resolve) => setTimeout(resolve, 50));
        }, first);
        await page.reload();
        assert.equal(await page.title(), server.site.caption);
    });

test('no request left the site; nothing is stored but the site\'s own files', async () => {
    assert.deepEqual(requests.filter((url) => !url.startsWith(server.url) && !url.startsWith('data:')), []);
    assert.deepEqual(await context.cookies(), []);
    const stored = await page.evaluate(async () => ({
        cached: await Promise.all((await caches.keys()).map(async (name) =>
            (await (await caches.open(name)).keys()).map((request) => request.url))),
        localStorage: localStorage.length, sessionStorage: sessionStorage.length,
        indexedDB: (await indexedDB.databases()).length,
    }));
    const kept = siteFiles.map(({ name }) => server.url + name).filter((url) => !url.endsWith('service-worker.js'));
    assert.deepEqual(stored, { cached: [kept], localStorage: 0, sessionStorage: 0, indexedDB: 0 });
    assert.deepEqual(errors, [], 'no script error');
});

// On a host of its own, the same site less its worker, which is not found.
test('without its worker the site is the plain page', async (t) => {
    const folder = join(temporary, 'no-worker');
    cpSync(built.folder, folder, { recursive: true });
    rmSync(join(folder, 'service-worker.js'));
    const plain = await ServeSite({ folder, headers: built.headers });
    t.after(() => plain.close());
    const askedForWorker = new Promise((resolve) => plain.on('request', (request) =>
        request.url.endsWith('/service-worker.js') && resolve()));
    const plainPage = await context.newPage();
    const shown = [];
    plainPage.on('pageerror', (error) => shown.push(error.message));
    await plainPage.goto(plain.url);
    await askedForWorker;
    await plainPage.click('#btnShow');
    assert.deepEqual((await openWindow(plainPage)).lines, expected.studyDefaults16);
    assert.deepEqual(shown, [], 'no script error');
    assert.equal(await plainPage.evaluate(async () => (await navigator.serviceWorker.getRegistrations()).length), 0);
});
