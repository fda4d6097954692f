// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// The README's pictures of the page, made in headless Chromium, on each
// kind of screen: each named picture is taken where its screen lists it.
// Writes them into the folder given as the first argument.

import { closeWindow, launch, openPage, openWindow, setField, showTab } from './support.js';

const folder = process.argv[2];
const phone = { deviceScaleFactor: 2, isMobile: true, hasTouch: true };
const screens = [
    { suffix: '', options: { viewport: { width: 600, height: 480 } },
        shots: ['main-study-tab', 'command-list-study', 'message-fill-in-all-fields', 'main-ibeacon-tab'] },
    { suffix: '-phone', options: { viewport: { width: 360, height: 640 }, ...phone },
        shots: ['main-study-tab', 'command-list-study', 'message-fill-in-all-fields', 'main-ibeacon-tab', 'main-about-tab'] },
    { suffix: '-phone-side', options: { viewport: { width: 640, height: 360 }, ...phone },
        shots: ['main-study-tab', 'command-list-study'] },
    { suffix: '-tablet', options: { viewport: { width: 768, height: 1024 }, ...phone },
        shots: ['main-study-tab', 'command-list-study'] },
    { suffix: '-dark', options: { viewport: { width: 600, height: 480 }, colorScheme: 'dark' },
        shots: ['main-study-tab', 'command-list-study'] },
    { suffix: '-dark-phone', options: { viewport: { width: 360, height: 640 }, colorScheme: 'dark', ...phone },
        shots: ['main-ibeacon-tab', 'message-fill-in-all-fields'] },
];

// How each picture's state is reached from the page as it opens, and left.
const steps = {
    'main-study-tab': { show: async () => {} },
    'command-list-study': { show: (page) => page.click('#btnShow').then(() => openWindow(page)), leave: closeWindow },
    'message-fill-in-all-fields': {
        show: async (page) => {
            await setField(page, 'edtCharNotify', '');
            await page.click('#btnShow');
            await openWindow(page);
        },
        leave: closeWindow,
    },
    'main-ibeacon-tab': { show: (page) => showTab(page, 'tabBeacon') },
    'main-about-tab': { show: (page) => showTab(page, 'TabSheet1') },
};

const browser = await launch();
for (const { suffix, options, shots } of screens) {
    const { context, page } = await openPage(browser, options);
    for (const name of shots) {
        await page.reload();
        await steps[name].show(page);
        await page.screenshot({ path: `${folder}/${name}${suffix}.png` });
        await steps[name].leave?.(page);
    }
    await context.close();
}
await browser.close();
