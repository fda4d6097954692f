// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// The README's pictures of the page, made in headless Chromium: both tabs,
// a list and a rejection, at 1x and on a phone. Writes them into the
// folder given as the first argument.

import { closeWindow, launch, openPage, openWindow, setField, showTab } from './support.js';

const folder = process.argv[2];
const screens = [
    { suffix: '', options: { viewport: { width: 600, height: 480 } } },
    { suffix: '-phone', options: { viewport: { width: 360, height: 640 }, deviceScaleFactor: 2, isMobile: true,
        hasTouch: true } },
];

const browser = await launch();
for (const { suffix, options } of screens) {
    const { context, page } = await openPage(browser, options);
    const shot = (name) => page.screenshot({ path: `${folder}/${name}${suffix}.png` });
    await shot('main-study-tab');
    await page.click('#btnShow');
    await openWindow(page);
    await shot('command-list-study');
    await closeWindow(page);
    await setField(page, 'edtCharNotify', '');
    await page.click('#btnShow');
    await openWindow(page);
    await shot('message-fill-in-all-fields');
    await closeWindow(page);
    await showTab(page, 'tabBeacon');
    await shot('main-ibeacon-tab');
    await context.close();
}
await browser.close();
