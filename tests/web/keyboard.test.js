// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// The keys, as in the desktop programs: the focus at start, the Tab order
// of each page and of the list window, the arrow keys on the tab strip,
// Enter and Escape, and the fields' maximum lengths while typing and
// pasting.

import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';
import { expected, focusedId, launch, openPage, openWindow, pages, showTab } from './support.js';

let browser, context, page, errors;
before(async () => {
    browser = await launch();
    ({ context, page, errors } = await openPage(browser));
    await context.grantPermissions(['clipboard-read', 'clipboard-write']);
});
after(async () => {
    assert.deepEqual(errors, [], 'no script error');
    await browser.close();
});

const presses = async (key, count) => {
    const seen = [];
    for (let i = 0; i < count; ++i) {
        await page.keyboard.press(key);
        seen.push(await focusedId(page));
    }
    return seen;
};

test('the focus is on the tab strip when the page opens', async () => {
    assert.equal(await focusedId(page), 'tbStudy-tab');
    assert.equal(await page.evaluate(() => document.activeElement.parentElement.id), 'MainPage');
});

// As the window suites expect it (the Write field before the Notify
// field, though it stands below it), for each tab that has stops.
const tabOrders = expected.layout.keyboardOrder.filter(({ controls }) => controls.length > 0)
    .map(({ tab, controls }) => ({ tab: pages[tab].name, order: controls }));

describe('Tab goes from the tab strip through the page in its order', () => {
    for (const { tab, order } of tabOrders) {
        test(tab, async () => {
            await page.reload();
            await showTab(page, tab);
            assert.deepEqual(await presses('Tab', order.length), order);
            assert.deepEqual(await presses('Shift+Tab', order.length), [...order.slice(0, -1).reverse(), `${tab}-tab`]);
        });
    }
    test('the about page has no stop of its own', async () => {
        await page.reload();
        await showTab(page, 'TabSheet1');
        await page.keyboard.press('Tab');
        assert.equal(await page.evaluate(() => document.getElementById('TabSheet1').contains(document.activeElement)), false);
    });
});

const arrows = [
    { from: 'tbStudy', key: 'ArrowRight', to: 'tabBeacon' },
    { from: 'tabBeacon', key: 'ArrowRight', to: 'TabSheet1' },
    { from: 'TabSheet1', key: 'ArrowRight', to: 'tbStudy' },
    { from: 'tbStudy', key: 'ArrowLeft', to: 'TabSheet1' },
    { from: 'tabBeacon', key: 'Home', to: 'tbStudy' },
    { from: 'tbStudy', key: 'End', to: 'TabSheet1' },
];

describe('the arrow keys move between tabs and show the page', () => {
    for (const { from, key, to } of arrows) {
        test(`${key} from ${from}`, async () => {
            await showTab(page, from);
            await page.keyboard.press(key);
            assert.equal(await focusedId(page), `${to}-tab`);
            const shown = await page.evaluate(() => [...document.querySelectorAll('[role=tabpanel]')]
                .filter((panel) => !panel.hidden).map((panel) => panel.id));
            assert.deepEqual(shown, [to]);
        });
    }
});

describe('Enter in a field starts nothing; on a focused button it presses it', () => {
    const fields = [['tbStudy', 'edtCharNotify'], ['tbStudy', 'edtCharWrite'], ['tabBeacon', 'edtiBeaconUUID'],
        ['tabBeacon', 'edtiBeaconMajor'], ['tabBeacon', 'edtiBeaconMinor']];
    for (const [tab, field] of fields) {
        test(`Enter in ${field}`, async () => {
            await showTab(page, tab);
            await page.focus(`#${field}`);
            await page.keyboard.press('Enter');
            assert.equal(await page.locator('dialog').count(), 0);
            assert.equal(await focusedId(page), field);
        });
    }
    for (const [key, lines] of [['Enter', expected.studyDefaults16], ['Space', expected.studyDefaults16]]) {
        test(`${key} on btnShow`, async () => {
            await page.reload();
            await page.focus('#btnShow');
            await page.keyboard.press(key);
            assert.deepEqual((await openWindow(page)).lines, lines);
            await page.click('#btnOK');
            await page.locator('dialog').waitFor({ state: 'detached' });
        });
    }
});

describe('the list window', () => {
    test('Tab goes from the text to OK and back', async () => {
        await page.reload();
        await page.click('#btnShow');
        assert.equal((await openWindow(page)).focused, 'memLog');
        assert.deepEqual(await presses('Tab', 3), ['btnOK', 'memLog', 'btnOK']);
    });
    test('Escape leaves it open, also when pressed again', async () => {
        await page.keyboard.press('Escape');
        await page.keyboard.press('Escape');
        await page.focus('#memLog');
        await page.keyboard.press('Escape');
        assert.equal(await page.locator('#frmResult[open]').count(), 1);
    });
    test('Enter on OK closes it', async () => {
        await page.focus('#btnOK');
        await page.keyboard.press('Enter');
        await page.locator('dialog').waitFor({ state: 'detached' });
        assert.equal(await focusedId(page), 'btnShow');
    });
    test('Ctrl+End and Ctrl+Home take the caret and the view to either end; the arrows move the view', async () => {
        await page.reload();
        await page.selectOption('#cbUUIDType', { index: 1 });
        await page.fill('#edtCharNotify', expected.workedNotify);
        await page.fill('#edtCharWrite', expected.workedWrite);
        await page.click('#btnShow');
        await openWindow(page);
        const view = () => page.evaluate(() => {
            const memLog = document.getElementById('memLog');
            return { top: memLog.scrollTop, selection: [memLog.selectionStart, memLog.selectionEnd] };
        });
        const { end, hidden } = await page.evaluate(() => {
            const memLog = document.getElementById('memLog');
            return { end: memLog.value.length, hidden: memLog.scrollHeight - memLog.clientHeight };
        });
        assert.ok(hidden > 0, 'a list taller than its window');
        assert.deepEqual(await view(), { top: 0, selection: [0, 0] });
        await page.keyboard.press('Control+End');
        assert.deepEqual(await view(), { top: hidden, selection: [end, end] });
        // The view may glide there.
        await page.keyboard.press('ArrowUp');
        await page.waitForFunction((bottom) => document.getElementById('memLog').scrollTop < bottom, hidden);
        await page.keyboard.press('Control+Shift+Home');
        assert.deepEqual(await view(), { top: 0, selection: [0, end] });
        await page.keyboard.press('Control+Home');
        assert.deepEqual(await view(), { top: 0, selection: [0, 0] });
        await page.click('#btnOK');
    });
});

test('Escape closes the message box, and the field gets the focus', async () => {
    await page.reload();
    await page.fill('#edtCharNotify', '');
    await page.click('#btnShow');
    assert.equal((await openWindow(page)).text, expected.messages.fill);
    await page.keyboard.press('Escape');
    await page.locator('dialog').waitFor({ state: 'detached' });
    assert.equal(await focusedId(page), 'edtCharNotify');
});

const lengths = [
    { field: 'edtCharNotify', tab: 'tbStudy', limit: 36 },
    { field: 'edtCharWrite', tab: 'tbStudy', limit: 36 },
    { field: 'edtiBeaconUUID', tab: 'tabBeacon', limit: 36 },
    { field: 'edtiBeaconMajor', tab: 'tabBeacon', limit: 5 },
    { field: 'edtiBeaconMinor', tab: 'tabBeacon', limit: 5 },
];

describe('the maximum lengths refuse further typing and cut a paste', () => {
    for (const { field, tab, limit } of lengths) {
        test(`${field}: ${limit}`, async () => {
            await page.reload();
            await showTab(page, tab);
            await page.click(`#${field}`);
            await page.keyboard.press('Control+A');
            await page.keyboard.press('Delete');
            await page.keyboard.type('1234567890'.repeat(4));
            assert.equal(await page.inputValue(`#${field}`), '1234567890'.repeat(4).slice(0, limit));

            await page.evaluate((text) => navigator.clipboard.writeText(text), 'ABCDEF'.repeat(8));
            await page.keyboard.press('Control+A');
            await page.keyboard.press('Control+V');
            assert.equal(await page.inputValue(`#${field}`), 'ABCDEF'.repeat(8).slice(0, limit));
        });
    }
});
