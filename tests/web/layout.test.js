// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// The windows as the description has them: each control under its name,
// at its place and size; the docked ones stacked; the client areas, the
// status bar and the captions; and every fixed text inside its control,
// with the system's faces and with the bundled face alone.

import assert from 'node:assert/strict';
import { describe, test } from 'node:test';
import { mainWindow, openWindow, resultWindow, showTab, withCdpPage } from './support.js';

let page, cdp;
withCdpPage(['DOM', 'CSS'], (opened) => ({ page, cdp } = opened));

const pages = mainWindow.controls.filter((c) => c.kind === 'page');

// Each control's box relative to its parent's element, in CSS pixels.
function Boxes(window) {
    return page.evaluate((controls) => {
        // A tab control's box holds its tab strip, which has its name.
        const element = (name) => document.getElementById(`${name}-frame`) ?? document.getElementById(name);
        const boxes = {};
        for (const { name, parent } of controls) {
            const box = element(name).getBoundingClientRect();
            const around = (parent ? element(parent) : element(name).closest('.client')).getBoundingClientRect();
            boxes[name] = { left: box.left - around.left, top: box.top - around.top, width: box.width,
                height: box.height, parentHeight: around.height };
        }
        return boxes;
    }, window.controls.map(({ name, parent }) => ({ name, parent })));
}

function CheckPlaces(window, boxes, shown) {
    for (const control of window.controls.filter((c) => shown(c))) {
        const box = boxes[control.name];
        const [left, top, width, height] = control.rect;
        const where = `${control.name} ${JSON.stringify(box)}`;
        if (control.dock === 'none') {
            assert.deepEqual([box.left, box.top], [left, top], where);
            if (width)
                assert.equal(box.width, width, where);
            if (height)
                assert.equal(box.height, height, where);
        } else if (control.dock !== 'rest') {
            assert.equal(box.height, height, where);
        }
    }
    // Docked controls share their parent's width; top ones stack from the
    // first down, bottom ones up from the last, the rest one fills between.
    const parents = new Set(window.controls.filter((c) => c.dock !== 'none').map((c) => c.parent));
    for (const parent of parents) {
        const docked = window.controls.filter((c) => c.parent === parent && c.dock !== 'none' && shown(c));
        if (docked.length === 0)
            continue;
        const tops = docked.filter((c) => c.dock === 'top').map((c) => boxes[c.name]);
        const bottoms = docked.filter((c) => c.dock === 'bottom').map((c) => boxes[c.name]).reverse();
        const rest = docked.filter((c) => c.dock === 'rest').map((c) => boxes[c.name]);
        for (const box of docked.map((c) => boxes[c.name]))
            assert.deepEqual([box.left, box.width], [boxes[docked[0].name].left, boxes[docked[0].name].width],
                `docked in ${parent}`);
        const column = [...tops, ...rest, ...bottoms.reverse()];
        for (let i = 1; i < column.length; ++i)
            assert.equal(column[i].top, column[i - 1].top + column[i - 1].height, `stacked in ${parent || 'the window'}`);
    }
}

describe('every control under its name, at its place and size', () => {
    for (const tab of pages) {
        test(`main window, ${tab.name} shown`, async () => {
            await showTab(page, tab.name);
            const onPage = (c) => {
                let at = c;
                while (at && at.kind !== 'page')
                    at = mainWindow.controls.find((p) => p.name === at.parent);
                return !at || at === tab;
            };
            CheckPlaces(mainWindow, await Boxes(mainWindow), onPage);
        });
    }
    test('the window: client area, status bar at its foot, tab control above it', async () => {
        const boxes = await Boxes(mainWindow);
        assert.deepEqual([boxes.sbTitle.top + boxes.sbTitle.height, boxes.sbTitle.width],
            [mainWindow.clientHeight, mainWindow.clientWidth]);
        assert.deepEqual([boxes.MainPage.top, boxes.MainPage.height], [0, mainWindow.clientHeight - 25]);
    });
    test('list window', async () => {
        await showTab(page, 'tbStudy');
        await page.click('#btnShow');
        await openWindow(page);
        CheckPlaces(resultWindow, await Boxes(resultWindow), () => true);
        const client = await page.locator('#frmResult > .client').boundingBox();
        assert.deepEqual([client.width, client.height], [resultWindow.clientWidth, resultWindow.clientHeight]);
        await page.click('#btnOK');
        await page.locator('dialog').waitFor({ state: 'detached' });
    });
});

describe('the main window', () => {
    test('its caption is the page title', async () => assert.equal(await page.title(), mainWindow.caption));
    test('client area, centred, not changed by the viewport', async () => {
        for (const viewport of [{ width: 800, height: 600 }, { width: 1280, height: 900 }]) {
            await page.setViewportSize(viewport);
            const box = await page.locator('#frmMain').boundingBox();
            assert.deepEqual([box.width, box.height], [mainWindow.clientWidth, mainWindow.clientHeight]);
            assert.deepEqual([box.x + box.width / 2, box.y + box.height / 2], [viewport.width / 2, viewport.height / 2]);
        }
        await page.setViewportSize({ width: 800, height: 600 });
    });
    test('the tabs: one "&" on the third, the first page shown', async () => {
        const tabs = await page.locator('#MainPage [role=tab]').allTextContents();
        assert.deepEqual(tabs, ['Study Function for Master Role', 'iBeacon function for Slave Role', 'Quorinet&Zelvane']);
    });
    test('status bar: the web address centred, right to left, in 160 pixels; then the e-mail address', async () => {
        const panels = await page.locator('#sbTitle > .panel').evaluateAll((spans) => spans.map((span) => {
            const style = getComputedStyle(span);
            return { text: span.textContent, width: span.getBoundingClientRect().width, align: style.textAlign,
                direction: style.direction, right: span.getBoundingClientRect().right };
        }));
        const right = (await page.locator('#sbTitle').boundingBox()).x + mainWindow.clientWidth;
        assert.deepEqual(panels.map(({ right: _, ...panel }) => panel), [
            { text: 'www.brenvik.example', width: 160, align: 'center', direction: 'rtl' },
            { text: 'support@brenvik.example', width: mainWindow.clientWidth - 160, align: 'start', direction: 'ltr' },
        ]);
        assert.equal(panels[1].right, right);
    });
    test('the logo and "Building......"', async () => {
        await showTab(page, 'TabSheet1');
        const logo = await page.locator('#imgLogo').evaluate((img) => [img.naturalWidth, img.complete]);
        assert.deepEqual(logo, [32, true]);
        assert.equal(await page.textContent('#lbBuilding'), 'Building......');
    });
});

// The texts that do not fit their control, each with its box and the
// control's; the items of the drop-down list measured in its font.
function TextsOutside() {
    return page.evaluate(() => {
        const outside = [];
        const inside = (inner, outer) => inner.left >= outer.left && inner.right <= outer.right
            && inner.top >= outer.top && inner.bottom <= outer.bottom;
        for (const text of document.querySelectorAll('.text')) {
            if (!text.checkVisibility())
                continue;
            const range = document.createRange();
            range.selectNodeContents(text);
            const box = range.getBoundingClientRect();
            const control = text.matches('.ctl') ? text.parentElement : text.closest('.ctl, [role=tab], .panel');
            if (!inside(box, control.getBoundingClientRect()))
                outside.push(`${text.id || text.textContent} in ${control.id}`);
        }
        const strip = document.getElementById('MainPage').getBoundingClientRect();
        if (strip.right > document.getElementById('MainPage-frame').getBoundingClientRect().right)
            outside.push('the tab strip');
        for (const select of [...document.querySelectorAll('select')].filter((s) => s.checkVisibility())) {
            const context = document.createElement('canvas').getContext('2d');
            const style = getComputedStyle(select);
            context.font = `${style.fontSize} ${style.fontFamily}`;
            const room = select.clientWidth - 24; // the drop-down arrow and the padding
            for (const option of select.options)
                if (context.measureText(option.text).width > room)
                    outside.push(`${option.text} in ${select.id}`);
        }
        return outside;
    });
}

// The faces Chromium drew the form's texts in, and whether each is a
// face the page brought (a web font).
async function FacesUsed() {
    const { root } = await cdp.send('DOM.getDocument', { depth: -1 });
    const faces = new Set();
    for (const selector of ['#lbHelp1', '#btnShow', '#GBUUIDType-caption']) {
        const { nodeId } = await cdp.send('DOM.querySelector', { nodeId: root.nodeId, selector });
        const { fonts } = await cdp.send('CSS.getPlatformFontsForNode', { nodeId });
        fonts.forEach((font) => faces.add(`${font.familyName}${font.isCustomFont ? ' (bundled)' : ''}`));
    }
    return [...faces];
}

const faces = [
    { name: "the system's faces", face: '"MS Sans Serif", sans-serif', bundled: false },
    { name: 'the bundled face alone', face: '"Brenvik Sans"', bundled: true },
];

describe('every fixed text fits its control', () => {
    for (const { name, face, bundled } of faces) {
        test(name, async () => {
            await page.reload();
            await page.evaluate(async (family) => {
                document.documentElement.style.setProperty('--form-face', family);
                await document.fonts.ready;
            }, face);
            const seen = [];
            for (const tab of pages) {
                await showTab(page, tab.name);
                seen.push(...await TextsOutside());
            }
            await showTab(page, 'tbStudy');
            await page.click('#btnShow');
            await openWindow(page);
            seen.push(...await TextsOutside());
            await page.click('#btnOK');
            await page.locator('dialog').waitFor({ state: 'detached' });
            const used = await FacesUsed();
            assert.ok(used.length > 0 && used.every((used) => used.endsWith('(bundled)') === bundled), used.join(', '));
            assert.deepEqual(seen, [], `with ${used.join(', ')}`);
        });
    }
});
