VLMObject.create("button", {
  name: "<!-- property:name //-->",
  x: "<!-- property:x //-->",
  y: "<!-- property:y //-->",
  width: "<!-- property:width //-->",
  height: "<!-- property:height //-->",
  visibility: "<!-- property:visibility //-->",
  step: "<!-- property:step //-->",
  caption: "<!-- property:caption //-->",
  buttonSrc: "<!-- property:buttonSrc //-->",
  tooltip: "<!-- property:tooltip //-->",
  fontFamily: "<!-- property:fontFamily //-->",
  fontSize: "<!-- property:fontSize //-->",
  color: "<!-- property:color //-->",
  bgColor: "<!-- property:bgColor //-->",
  radius: "<!-- property:radius //-->",
  alt: "<!-- property:alt //-->"
}, {
  onclick: function () {
<!-- event:onclick //-->
  },
  ondblclick: function () {
<!-- event:ondblclick //-->
  },
  onmouseover: function () {
<!-- event:onmouseover //-->
  },
  onmouseout: function () {
<!-- event:onmouseout //-->
  }
});
