// The main window on a screen too small, or too coarse for a finger, for its layout table: the
// board as large as the screen allows, and beside or under it a pad of the controls grouped for
// the thumbs, as the game's compact arrangement groups them (Module.compactArrangement()); what
// the pad has no room for waits in a sheet one tap away. The controls stay the window's elements,
// in their frames, so what hides or covers a frame still hides or covers them: the page only lays
// invisible slots out in the arrangement's rows and columns and sets each control over its slot.
// Nothing of the game is known here beyond that arrangement.
'use strict';

const compactScreen = (() => {
  let mainWindow = null;  // the main window's element
  let board = null;
  let arrangement = null;
  let layer = null;  // the slots, the pad, the sheet and their buttons
  let pad = null;
  let sheet = null;
  let sheetBands = null;
  let menuButton = null;
  const padBands = [];  // [{element, yields}] in the arrangement's order
  const overBoard = [];
  const overPad = [];
  const slots = new Map();  // control element → its slot

  const isUnit = (node) => node.classList.contains('frame');

  // A slot the size a finger needs of its control's kind, or the control's own where it is a
  // picture or a frame that stands whole; a label's or a button's slot holds its caption, so it
  // is as wide as its text.
  function slotFor(node) {
    const slot = document.createElement('div');
    slot.className = 'slot';
    if (node instanceof HTMLCanvasElement && !node.classList.contains('repeats') || isUnit(node)) {
      slot.style.width = node.style.width;
      slot.style.height = node.style.height;
    } else if (node.classList.contains('label') || node.classList.contains('button')) {
      slot.dataset.kind = node.classList.contains('label') ? 'label' : 'button';
      slot.textContent = node.textContent;
    } else {
      slot.dataset.kind = node.localName === 'canvas' ? 'direction' : node.classList.contains('option') ?
                          'option' : node.localName;
    }
    slot.control = node;
    slots.set(node, slot);
    return slot;
  }

  function buildGroup(group) {
    const container = document.createElement('div');
    container.className = `group ${group.shape}`;
    if (group.columns > 0) container.style.setProperty('--columns', group.columns);
    container.holdsMenu = group.holdsMenu;
    for (const id of group.controls) {
      const node = document.getElementById(id);
      node.classList.add('placed');
      if (isUnit(node)) node.classList.add('unit');
      container.appendChild(slotFor(node));
    }
    for (const part of group.parts) container.appendChild(buildGroup(part));
    return container;
  }

  function button(caption, onClick) {
    const node = document.createElement('button');
    node.className = 'button sheet-toggle';
    node.textContent = caption;
    node.addEventListener('click', onClick);
    return node;
  }

  function openSheet(open) {
    document.documentElement.classList.toggle('sheet-open', open);
    menuButton.setAttribute('aria-expanded', String(open));
    if (open) sheet.querySelector('.sheet-toggle').focus();
  }

  function build(windowElement, compactArrangement) {
    mainWindow = windowElement;
    arrangement = compactArrangement;
    board = document.getElementById(arrangement.board);
    layer = document.createElement('div');
    layer.className = 'compact-layer';
    pad = document.createElement('div');
    pad.className = 'pad';
    sheet = document.createElement('div');
    sheet.className = 'sheet';
    sheet.setAttribute('role', 'dialog');
    sheet.setAttribute('aria-label', arrangement.menuCaption);
    sheetBands = document.createElement('div');
    sheetBands.className = 'group column';
    menuButton = button(arrangement.menuCaption, () => openSheet(true));
    menuButton.setAttribute('aria-haspopup', 'dialog');
    sheet.append(sheetBands, button(arrangement.closeCaption, () => openSheet(false)));
    for (const band of arrangement.bands) {
      if (band.place === 'over-board' || band.place === 'over-pad') {
        for (const id of band.group.controls) {
          const node = document.getElementById(id);
          node.classList.add('placed', 'unit', band.place);
          (band.place === 'over-board' ? overBoard : overPad).push(node);
        }
        continue;
      }
      const element = buildGroup(band.group);
      if (band.place === 'pad') {
        padBands.push({element, yields: band.yields});
        pad.appendChild(element);
      } else {
        sheetBands.appendChild(element);
      }
    }
    board.classList.add('placed');
    layer.append(pad, sheet);
    mainWindow.appendChild(layer);
    // A command or a stage taken from the sheet is what the player opened it for.
    mainWindow.addEventListener('click', (event) => {
      if (event.target.closest('.in-sheet')?.localName === 'button') openSheet(false);
    });
    sheet.addEventListener('scroll', placeControls);
  }

  // Shown as the game says: neither it nor a frame it stands in is hidden.
  function shownByGame(node) {
    for (let each = node; each !== mainWindow; each = each.parentElement) {
      if (each.hidden) return false;
    }
    return true;
  }

  // A group with nothing shown takes no room.
  function showGroups(container) {
    let shown = false;
    for (const child of container.children) {
      if (child.classList.contains('slot')) {
        child.hidden = !shownByGame(child.control);
        shown ||= !child.hidden;
      } else if (child.classList.contains('group')) {
        shown = showGroups(child) || shown;
      }
    }
    container.hidden = !shown;
    return shown;
  }

  function setRect(node, {left, top, width, height}) {
    node.style.setProperty('--x', `${left}px`);
    node.style.setProperty('--y', `${top}px`);
    node.style.setProperty('--w', `${width}px`);
    node.style.setProperty('--h', `${height}px`);
  }

  function placeControls() {
    const origin = mainWindow.getBoundingClientRect();
    for (const [node, slot] of slots) {
      const box = slot.getBoundingClientRect();
      setRect(node, {left: box.left - origin.left, top: box.top - origin.top, width: box.width,
                     height: box.height});
    }
  }

  // The place of each band: the yielding ones back in the pad, then given up to the sheet, last
  // first, until the board takes its least share of the screen beside the pad.
  function arrange() {
    const screen = safeScreen();
    const upright = screen.height >= screen.width;
    document.documentElement.classList.toggle('upright', upright);
    for (const band of padBands) pad.appendChild(band.element);
    for (const band of padBands) showGroups(band.element);
    showGroups(sheetBands);
    const yielding = padBands.filter((band) => band.yields && !band.element.hidden);
    let boardSide = 0;
    pad.classList.add('measured');
    for (;;) {
      placeMenu();
      pad.style.width = upright ? `${screen.width}px` : 'max-content';
      const [padWidth, padHeight] = [pad.offsetWidth, pad.offsetHeight];
      boardSide = upright ? Math.min(screen.width, screen.height - padHeight)
                          : Math.min(screen.height, screen.width - padWidth);
      const share = upright ? boardSide / screen.width : boardSide / screen.height;
      const least = upright ? arrangement.uprightBoardShare : arrangement.turnedBoardShare;
      if (share >= least && (upright || padHeight <= screen.height) || yielding.length === 0) break;
      sheetBands.prepend(yielding.pop().element);
    }
    boardSide = Math.max(0, Math.floor(boardSide));
    // The board at the top, centred across, or at the left, centred down; the pad takes the rest.
    const [acrossRoom, downRoom] = upright ? [screen.width - boardSide, 0] : [0, screen.height - boardSide];
    const boardRect = {left: screen.left + acrossRoom / 2, top: screen.top + downRoom / 2,
                       width: boardSide, height: boardSide};
    const padRect = upright
        ? {left: screen.left, top: screen.top + boardSide, width: screen.width, height: screen.height - boardSide}
        : {left: screen.left + boardSide, top: screen.top, width: screen.width - boardSide, height: screen.height};
    setRect(board, boardRect);
    board.classList.toggle('shrunk', boardSide < board.width);
    pad.classList.remove('measured');
    pad.style.width = '';
    setRect(pad, padRect);
    pad.inert = overPad.some(shownByGame);
    // The sheet rises from the pad's foot as high as it needs at the pad's width, at most to the
    // screen's top.
    setRect(sheet, padRect);
    sheet.classList.add('measured');
    const sheetHeight = Math.min(screen.height, Math.max(padRect.height, sheet.offsetHeight));
    sheet.classList.remove('measured');
    setRect(sheet, {left: padRect.left, top: screen.top + screen.height - sheetHeight,
                    width: padRect.width, height: sheetHeight});
    for (const node of overBoard) {
      const [width, height] = [parseFloat(node.style.width), parseFloat(node.style.height)];
      setRect(node, {left: boardRect.left + (boardSide - width) / 2,
                     top: boardRect.top + (boardSide - height) / 2, width, height});
    }
    for (const node of overPad) placeScaled(node, padRect);
    for (const [node, slot] of slots) {
      node.classList.toggle('in-sheet', sheet.contains(slot));
      node.classList.toggle('in-pad', pad.contains(slot));
    }
    placeControls();
  }

  // The menu at the end of the first group in the pad that holds it and shows something.
  function placeMenu() {
    const holder = [...pad.querySelectorAll('.group')].find((group) => group.holdsMenu && !group.hidden &&
                                                              !group.closest('[hidden]'));
    if (holder) holder.appendChild(menuButton);
    menuButton.hidden = !holder;
  }

  // A panel over the pad, its own controls where the table puts them in proportion to it.
  function placeScaled(panel, rect) {
    const [width, height] = [parseFloat(panel.style.width), parseFloat(panel.style.height)];
    setRect(panel, rect);
    for (const child of panel.children) {
      if (!child.id) continue;
      child.classList.add('placed');
      setRect(child, {left: parseFloat(child.style.left) * rect.width / width,
                      top: parseFloat(child.style.top) * rect.height / height,
                      width: parseFloat(child.style.width) * rect.width / width,
                      height: parseFloat(child.style.height) * rect.height / height});
    }
  }

  // The screen less what the phone keeps for itself (rounded corners, a notch).
  function safeScreen() {
    const style = getComputedStyle(layer);
    const [left, top, right, bottom] = [style.paddingLeft, style.paddingTop, style.paddingRight,
                                        style.paddingBottom].map(parseFloat);
    return {left, top, width: document.documentElement.clientWidth - left - right,
            height: document.documentElement.clientHeight - top - bottom};
  }

  return {build, arrange, openSheet};
})();
