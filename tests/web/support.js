// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// What the web page's suites share: the built page, the windows'
// description and the shared expectations (tests/shared/Expected.h, as
// JSON), a headless Chromium, and the steps a user takes.

import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { after, before } from 'node:test';
import { chromium } from 'playwright-core';

import { coreCasesPath, pagePath, pageUrl, path, wasmPath } from './support-paths.js';

export { coreCasesPath, pagePath, pageUrl, wasmPath };
export const form = JSON.parse(readFileSync(path('BRENVIK_WEB_FORM', 'web/form.json'), 'utf8'));
export const expected = JSON.parse(readFileSync(path('BRENVIK_WEB_EXPECTED', 'web/expected.json'), 'utf8'));

export const [mainWindow, resultWindow] = form.windows;
// The main window's tab pages, in the order of their tabs.
export const pages = mainWindow.controls.filter((c) => c.kind === 'page');
export const control = (name) => form.windows.flatMap((window) => window.controls).find((c) => c.name === name);

// Debian's Chromium, headless; chromium.launchPersistentContext takes the
// same, for a suite that needs a profile that is not a private one.
export const chromiumOptions = {
    executablePath: process.env.BRENVIK_CHROMIUM ?? '/usr/bin/chromium',
    args: process.getuid?.() === 0 ? ['--no-sandbox'] : [],
};

export function launch() {
    return chromium.launch(chromiumOptions);
}

// A fresh page in a context of its own; every script error it raises is
// kept in `errors`, which each suite checks is empty.
export async function openPage(browser, contextOptions = {}, initScript = null) {
    const context = await browser.newContext({ viewport: { width: 800, height: 600 }, ...contextOptions });
    const page = await context.newPage();
    const errors = [];
    page.on('pageerror', (error) => errors.push(error.message));
    if (initScript)
        await page.addInitScript(initScript);
    await page.goto(pageUrl);
    return { context, page, errors };
}

// A browser with the page open and a CDP session on it with `domains`
// enabled, for the suites that read what Chromium itself computes, handed
// to `opened` before the suite; after it, no script error and the browser
// closed.
export function withCdpPage(domains, opened) {
    const session = {};
    before(async () => {
        session.browser = await launch();
        let context;
        ({ context, page: session.page, errors: session.errors } = await openPage(session.browser));
        session.cdp = await context.newCDPSession(session.page);
        for (const domain of domains)
            await session.cdp.send(`${domain}.enable`);
        opened(session);
    });
    after(async () => {
        assert.deepEqual(session.errors, [], 'no script error');
        await session.browser.close();
    });
}

export const focusedId = (page) => page.evaluate(() => document.activeElement?.id ?? '');

// What the open modal window shows: the list window's lines, or the
// message box's text, caption, icons and buttons.
export async function openWindow(page) {
    const dialog = page.locator('dialog[open]');
    await dialog.waitFor();
    return dialog.evaluate((box) => ({
        id: box.id,
        role: box.getAttribute('role'),
        caption: box.querySelector('.caption > span').textContent,
        text: box.querySelector('p')?.textContent,
        icons: [...box.querySelectorAll('.icon')].map((icon) => icon.classList[1]),
        buttons: [...box.querySelectorAll('.client button')].map((button) => button.textContent),
        lines: box.querySelector('textarea')?.value.split('\n'),
        focused: document.activeElement.id || document.activeElement.textContent,
        open: document.querySelectorAll('dialog[open]').length,
    }));
}

// Presses the box's OK button and waits until no window is open.
export async function closeWindow(page) {
    await page.locator('dialog[open] .client button').last().click();
    await page.locator('dialog').waitFor({ state: 'detached' });
}

export async function setField(page, id, text) {
    await page.locator(`#${id}`).evaluate((field, value) => { field.value = value; }, text);
}

export async function showTab(page, pageName) {
    await page.click(`#${pageName}-tab`);
}
