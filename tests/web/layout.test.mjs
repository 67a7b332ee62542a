// The page on phones held both ways and on a narrow desktop window: the board as large as the
// screen allows, every target a finger must hit at least 44 x 44 CSS pixels, nothing on top of
// anything else, and the on-screen keys playing.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { test } from 'node:test';
import { page_sessions } from './page_session.mjs';
import { ScriptPlayer, parse_script } from './script_player.mjs';

const whole_game = parse_script(readFileSync(process.env.TOTECHITA_WHOLE_GAME_SCRIPT, 'utf8'));
const walk_over_ingredients = whole_game.slice(0, whole_game.findIndex(({ words }) => words.join(' ') === 'click Label3'));
const phone = (width, height) => ({ viewport: { width, height }, deviceScaleFactor: 3, isMobile: true, hasTouch: true });
const FINGER = 44;

const sessions = page_sessions();

async function value(game, control, property) {
  return (await game.state()).forms.find((state) => state.form === 'Form2').controls[control][property];
}

const overlap = (a, b) => a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;

async function boxes(locator) {
  return Promise.all((await locator.all()).map((each) => each.boundingBox()));
}

function assert_finger_sized(found, what) {
  for (const box of found) {
    assert.ok(box.width >= FINGER - 0.5 && box.height >= FINGER - 0.5, `${what}: ${box.width}x${box.height}`);
  }
}

// The board, its text, its targets and the keys on a phone; the menu opened for its entries.
async function check_phone_layout(game, name) {
  const board = game.window('Form2');
  const frame = await board.boundingBox();
  const viewport = game.page.viewportSize();
  const label_height = await board.locator('[data-control="Label13"]').evaluate((label) => label.getBoundingClientRect().height);
  assert.ok(label_height >= 15, `${name}: the score's line ${label_height} px high`);
  assert_finger_sized(await boxes(board.locator('.close-box')), 'close box');
  assert_finger_sized(await boxes(board.getByRole('menuitem', { name: 'ゲーム' })), 'ゲーム');
  assert_finger_sized(await boxes(game.page.locator('#touch-keys button')), 'on-screen keys');
  assert_finger_sized(await boxes(game.page.locator('#page-bar button:visible')), 'bar');
  // The dry-ice count takes a tap a finger's size around it.
  const count = await board.locator('[data-control="Label3"]').boundingBox();
  const target = await game.page.evaluate(([x, y]) => document.elementFromPoint(x, y).dataset.hitFor,
    [count.x + count.width / 2, count.y + count.height / 2 + FINGER / 2 - 2]);
  assert.equal(target, 'Label3');

  for (const key of await boxes(game.page.locator('#touch-keys button, #page-bar'))) {
    assert.ok(!overlap(key, frame), `${name}: a key or the bar on the board`);
    assert.ok(key.x >= 0 && key.y >= 0 && key.x + key.width <= viewport.width && key.y + key.height <= viewport.height);
  }
  await game.screenshot(`phone-${name}`);
  await board.getByRole('menuitem', { name: 'ゲーム' }).tap();
  await board.getByRole('menuitem', { name: '敵を置く' }).tap();
  assert_finger_sized(await boxes(board.locator('.menu button:visible')), 'menu entries');
  for (const entry of await boxes(board.locator('.menu button:visible'))) {
    assert.ok(entry.x + entry.width <= viewport.width, `${name}: a menu entry off the screen`);
  }
  await game.screenshot(`phone-${name}-menu`);
  await game.page.mouse.click(frame.x + frame.width / 2, frame.y + frame.height - 10);
  return frame;
}

test('a phone held upright: the board as wide as the screen, the keys below it for both thumbs', async () => {
  const game = await sessions.open({ seed: 1, context_options: phone(390, 844) });
  await game.run_for(1600);
  const frame = await check_phone_layout(game, 'portrait');
  assert.ok(frame.width >= 389, `board ${frame.width} wide`);
  await game.close();
});

test('a phone held sideways: the board as high as the screen, the arrows left of it and the actions right', async () => {
  const game = await sessions.open({ seed: 1, context_options: phone(844, 390) });
  await game.run_for(1600);
  const frame = await check_phone_layout(game, 'landscape');
  assert.ok(frame.height >= 389, `board ${frame.height} high`);
  const client = await game.window('Form2').locator('.client').boundingBox();
  assert.ok(client.height >= 290, `the board's client ${client.height} high`);
  const arrows = await game.page.locator('#touch-keys .pad').boundingBox();
  const actions = await game.page.locator('#touch-keys .actions').boundingBox();
  assert.ok(arrows.x + arrows.width <= frame.x && actions.x >= frame.x + frame.width);
  await game.close();
});

test('the on-screen keys play: a tap walks, crafts and drops; a held key repeats', async () => {
  const game = await sessions.open({ seed: 1, context_options: phone(390, 844) });
  await new ScriptPlayer(game, []).play(walk_over_ingredients);
  await game.page.getByRole('button', { name: '作る' }).tap();
  await game.run_for(1);
  assert.equal(await value(game, 'Label9', 'Caption'), '1');
  const position = async () => [Number(await value(game, 'Text1', 'Text')), Number(await value(game, 'Text2', 'Text'))];
  let [x, y] = await position();
  for (const [name, dx, dy] of [['右', 100, 0], ['下', 0, 100], ['左', -100, 0], ['上', 0, -100]]) {
    await game.page.getByRole('button', { name, exact: true }).tap();
    [x, y] = [x + dx, y + dy];
    assert.deepEqual(await position(), [x, y], name);
  }
  const left = await game.page.getByRole('button', { name: '左', exact: true }).boundingBox();
  await game.page.touchscreen.tap(left.x + 5, left.y + 5);  // a tap is one step
  const cdp = await game.page.context().newCDPSession(game.page);
  const touch = (type) => cdp.send('Input.dispatchTouchEvent',
    { type, touchPoints: type === 'touchEnd' ? [] : [{ x: left.x + 20, y: left.y + 20 }] });
  await touch('touchStart');
  await game.run_for(400 + 2 * 80 - 10);
  await touch('touchEnd');
  await game.run_for(500);
  assert.deepEqual(await position(), [x - 100 - 300, y], 'a step, then three for a held key');
  await game.page.getByRole('button', { name: '置く' }).tap();
  await game.run_for(20);
  assert.equal(await value(game, 'Image5', 'Visible'), true);
  await game.close();
});

test('on a phone the end notice reads on one line and its button takes a finger', async () => {
  const game = await sessions.open({ seed: 1, context_options: phone(390, 844) });
  await game.run_for(1600);
  await game.window('Form2').locator('.close-box').tap();
  const notice = game.page.locator('#program-ended');
  const lines = await notice.locator('p').evaluate((text) => {
    const range = document.createRange();
    range.selectNodeContents(text);
    return new Set([...range.getClientRects()].map((rect) => Math.round(rect.top))).size;
  });
  assert.equal(lines, 1);
  assert_finger_sized(await boxes(notice.getByRole('button', { name: 'もう一度遊ぶ' })), 'もう一度遊ぶ');
  await game.screenshot('phone-end');
  await game.close();
});

test('a desktop window 360 pixels wide holds the whole board', async () => {
  const game = await sessions.open({ seed: 1, context_options: { viewport: { width: 360, height: 640 } } });
  await game.run_for(1600);
  const frame = await game.window('Form2').boundingBox();
  assert.ok(frame.x >= 0 && frame.x + frame.width <= 360 && frame.width >= 340, `board ${frame.x}+${frame.width}`);
  await game.screenshot('desktop-narrow');
  await game.close();
});
